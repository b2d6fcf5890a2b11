// A card whose file system answers its probe (statfs, lookups, reads, listings) and then stalls
// a write: a FUSE server of a few operations in a process of its own, mounted over a folder.
// Needs root and /dev/fuse (Linux only). Goes with its object: unmounted, its server killed and
// the writer it held reaped, so that nothing is left behind.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <linux/fuse.h>
#include <poll.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace marlix::test_support {

class StallingCard {
public:
    enum class Stall {
        Create,  // a create is never answered, as a failing card or reader does
        Write,   // a create is, the first write only when it is interrupted (then with EINTR)
        Statfs,  // a question for its size is never answered: its probe hangs
    };

    StallingCard(const std::filesystem::path& folder, Stall stall) : m_folder(folder) {
        if (::geteuid() != 0)
            return;
        // The writer held by the server may be a grandchild; once its parent is gone it comes
        // here, to be reaped.
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        int events[2];
        const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (fuse < 0 || ::pipe2(events, O_CLOEXEC) != 0)
            return;
        const std::string options =
            "fd=" + std::to_string(fuse) + ",rootmode=40000,user_id=0,group_id=0,allow_other";
        if (::mount("marlix-stall", folder.c_str(), "fuse.marlix-stall", MS_NOSUID | MS_NODEV,
                    options.c_str()) != 0) {
            ::close(fuse);
            return;
        }
        m_mounted = true;
        m_server = ::fork();
        if (m_server == 0) {
            ::close(events[0]);
            Serve(fuse, events[1], stall);
            ::_exit(0);
        }
        ::close(fuse);
        ::close(events[1]);
        m_events = events[0];
    }

    ~StallingCard() {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
        // Its end of /dev/fuse closed, every request that waits for it ends.
        if (m_server > 0) {
            ::kill(m_server, SIGKILL);
            ::waitpid(m_server, nullptr, 0);
        }
        // The writer it held, told of whether or not the test waited for it, is free now.
        while (m_events >= 0 && Next(0)) {
        }
        if (m_stalled > 0)
            ::waitpid(m_stalled, nullptr, 0);
        if (m_events >= 0)
            ::close(m_events);
    }
    StallingCard(const StallingCard&) = delete;
    StallingCard& operator=(const StallingCard&) = delete;

    bool Mounted() const { return m_server > 0; }

    // Waits for the request that stalls ('S') or for a file to be closed ('R'); false when the
    // server said nothing of it for a long time (the test then fails instead of hanging).
    bool WaitFor(char event) {
        while (const char said = Next(60000)) {
            if (said == event)
                return true;
        }
        return false;
    }
    // The process whose request stalls.
    pid_t Stalled() const { return m_stalled; }

private:
    // The next event, or 0 when none came in `wait` milliseconds.
    char Next(int wait) {
        pollfd ready{m_events, POLLIN, 0};
        char said[1 + sizeof(pid_t)];
        if (::poll(&ready, 1, wait) <= 0 || ::read(m_events, said, sizeof said) != sizeof said)
            return 0;
        if (said[0] == 'S')
            std::memcpy(&m_stalled, said + 1, sizeof(pid_t));
        return said[0];
    }

    struct Node {
        std::string name;
        std::string data;
    };

    static void Serve(int fuse, int events, Stall stall) {
        std::vector<Node> nodes;  // node id = index + 2; the root is 1
        std::vector<char> buffer(1 << 20);
        std::uint64_t stalledWrite = 0;
        auto tell = [&](char what, pid_t pid) {
            char said[1 + sizeof(pid_t)] = {what};
            std::memcpy(said + 1, &pid, sizeof pid);
            (void)!::write(events, said, sizeof said);
        };
        auto reply = [&](std::uint64_t unique, int error, const void* data, std::size_t size) {
            fuse_out_header out{static_cast<std::uint32_t>(sizeof out + size), -error, unique};
            std::vector<char> message(sizeof out + size);
            std::memcpy(message.data(), &out, sizeof out);
            if (size)
                std::memcpy(message.data() + sizeof out, data, size);
            (void)!::write(fuse, message.data(), message.size());
        };
        auto attrOf = [&](std::uint64_t node) {
            fuse_attr attr{};
            attr.ino = node;
            attr.nlink = 1;
            attr.blksize = 4096;
            attr.mode = node == FUSE_ROOT_ID ? S_IFDIR | 0755 : S_IFREG | 0644;
            if (node != FUSE_ROOT_ID)
                attr.size = nodes[node - 2].data.size();
            return attr;
        };
        auto find = [&](const char* name) -> std::uint64_t {
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                if (nodes[i].name == name)
                    return i + 2;
            }
            return 0;
        };
        auto entryOf = [&](std::uint64_t node) {
            fuse_entry_out entry{};
            entry.nodeid = node;
            entry.generation = 1;
            entry.attr = attrOf(node);
            return entry;
        };
        for (;;) {
            const ssize_t n = ::read(fuse, buffer.data(), buffer.size());
            if (n < 0 && (errno == EINTR || errno == ENOENT))
                continue;
            if (n < static_cast<ssize_t>(sizeof(fuse_in_header)))
                return;
            const auto* in = reinterpret_cast<const fuse_in_header*>(buffer.data());
            const char* arg = buffer.data() + sizeof *in;
            switch (in->opcode) {
                case FUSE_INIT: {
                    fuse_init_out init{};
                    init.major = FUSE_KERNEL_VERSION;
                    init.minor = FUSE_KERNEL_MINOR_VERSION;
                    init.max_readahead = 65536;
                    init.max_write = 65536;
                    reply(in->unique, 0, &init, sizeof init);
                    break;
                }
                case FUSE_GETATTR:
                case FUSE_SETATTR: {
                    fuse_attr_out attr{};
                    attr.attr = attrOf(in->nodeid);
                    reply(in->unique, 0, &attr, sizeof attr);
                    break;
                }
                case FUSE_LOOKUP: {
                    const std::uint64_t node = find(arg);
                    if (node == 0) {
                        reply(in->unique, ENOENT, nullptr, 0);
                        break;
                    }
                    const fuse_entry_out entry = entryOf(node);
                    reply(in->unique, 0, &entry, sizeof entry);
                    break;
                }
                case FUSE_STATFS: {
                    if (stall == Stall::Statfs) {
                        tell('S', static_cast<pid_t>(in->pid));
                        break;  // never answered
                    }
                    fuse_statfs_out statfs{};
                    statfs.st.blocks = statfs.st.bfree = statfs.st.bavail = 1 << 18;
                    statfs.st.bsize = statfs.st.frsize = 4096;
                    statfs.st.namelen = 255;
                    reply(in->unique, 0, &statfs, sizeof statfs);
                    break;
                }
                case FUSE_OPENDIR:
                case FUSE_OPEN: {
                    fuse_open_out open{};
                    open.open_flags = FOPEN_DIRECT_IO;
                    reply(in->unique, 0, &open, sizeof open);
                    break;
                }
                case FUSE_READDIR: {
                    const auto* read = reinterpret_cast<const fuse_read_in*>(arg);
                    std::vector<char> list;
                    for (std::size_t i = read->offset; i < nodes.size(); ++i) {
                        const std::string& name = nodes[i].name;
                        if (name.empty())
                            continue;  // removed
                        std::vector<char> entry(FUSE_DIRENT_ALIGN(FUSE_NAME_OFFSET + name.size()));
                        auto* dirent = reinterpret_cast<fuse_dirent*>(entry.data());
                        dirent->ino = i + 2;
                        dirent->off = i + 1;
                        dirent->namelen = static_cast<std::uint32_t>(name.size());
                        dirent->type = DT_REG;
                        std::memcpy(dirent->name, name.data(), name.size());
                        if (list.size() + entry.size() > read->size)
                            break;
                        list.insert(list.end(), entry.begin(), entry.end());
                    }
                    reply(in->unique, 0, list.data(), list.size());
                    break;
                }
                case FUSE_CREATE: {
                    if (stall == Stall::Create) {
                        tell('S', static_cast<pid_t>(in->pid));
                        break;  // never answered
                    }
                    nodes.push_back({arg + sizeof(fuse_create_in), {}});
                    struct {
                        fuse_entry_out entry;
                        fuse_open_out open;
                    } created{entryOf(nodes.size() + 1), {0, FOPEN_DIRECT_IO, 0}};
                    reply(in->unique, 0, &created, sizeof created);
                    break;
                }
                case FUSE_WRITE: {
                    const auto* write = reinterpret_cast<const fuse_write_in*>(arg);
                    if (stalledWrite == 0) {
                        stalledWrite = in->unique;
                        tell('S', static_cast<pid_t>(in->pid));
                        break;
                    }
                    std::string& data = nodes[in->nodeid - 2].data;
                    data.resize(std::max<std::size_t>(data.size(), write->offset + write->size));
                    data.replace(write->offset, write->size, arg + sizeof *write, write->size);
                    fuse_write_out written{write->size, 0};
                    reply(in->unique, 0, &written, sizeof written);
                    break;
                }
                case FUSE_INTERRUPT:
                    if (reinterpret_cast<const fuse_interrupt_in*>(arg)->unique == stalledWrite)
                        reply(stalledWrite, EINTR, nullptr, 0);
                    break;
                case FUSE_READ: {
                    const auto* read = reinterpret_cast<const fuse_read_in*>(arg);
                    const std::string& data = nodes[in->nodeid - 2].data;
                    const std::string part =
                        read->offset < data.size() ? data.substr(read->offset, read->size) : "";
                    reply(in->unique, 0, part.data(), part.size());
                    break;
                }
                case FUSE_UNLINK: {
                    const std::uint64_t node = find(arg);
                    if (node)
                        nodes[node - 2].name.clear();
                    reply(in->unique, node ? 0 : ENOENT, nullptr, 0);
                    break;
                }
                case FUSE_RENAME: {
                    const char* from = arg + sizeof(fuse_rename_in);
                    const char* to = from + std::strlen(from) + 1;
                    if (const std::uint64_t old = find(to))
                        nodes[old - 2].name.clear();
                    const std::uint64_t node = find(from);
                    if (node)
                        nodes[node - 2].name = to;
                    reply(in->unique, node ? 0 : ENOENT, nullptr, 0);
                    break;
                }
                case FUSE_RELEASE:
                    reply(in->unique, 0, nullptr, 0);
                    tell('R', static_cast<pid_t>(in->pid));
                    break;
                case FUSE_ACCESS:
                case FUSE_FLUSH:
                case FUSE_FSYNC:
                case FUSE_FSYNCDIR:
                case FUSE_RELEASEDIR:
                    reply(in->unique, 0, nullptr, 0);
                    break;
                case FUSE_FORGET:
                case FUSE_BATCH_FORGET:
                    break;
                default:
                    reply(in->unique, ENOSYS, nullptr, 0);
                    break;
            }
        }
    }

    std::filesystem::path m_folder;
    bool m_mounted = false;
    pid_t m_server = -1;
    pid_t m_stalled = -1;
    int m_events = -1;
};

}  // namespace marlix::test_support
