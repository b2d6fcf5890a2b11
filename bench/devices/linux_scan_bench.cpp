// One drive scan over a busy machine's mount table: 2,000 entries of container overlays, their
// proc/sys/tmpfs mounts and snap images, with a few removable cards among them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>

#include "core/platform/volumes/linux/linux_volume_source.h"
#include "sysfs_fixture.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 2000;

void WriteBusyMountTable(const fs::path& path) {
    std::ofstream out(path);
    int id = 22;
    const auto line = [&](const std::string& rest) { out << id++ << " 1 " << rest << "\n"; };
    line("8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw");
    line("8:1 / /boot/efi rw,relatime shared:2 - vfat /dev/sda1 rw");
    line("0:21 / /proc rw,nosuid shared:3 - proc proc rw");
    line("0:22 / /sys rw,nosuid shared:4 - sysfs sysfs rw");
    line("8:17 / /media/user/CAM\\040CARD rw,nosuid shared:10 - vfat /dev/sdb1 rw");
    line("179:1 / /media/user/SDCARD rw,nosuid shared:12 - exfat /dev/mmcblk0p1 rw");
    line("8:64 / /mnt/card rw,relatime shared:17 - vfat /dev/sde rw");
    line("8:64 / /run/media/user/READER rw,nosuid shared:17 - vfat /dev/sde rw");
    for (int n = 0; id - 22 < kEntries; ++n) {
        const std::string c = std::to_string(n);
        switch (n % 6) {
            case 0:
                line("0:" + std::to_string(100 + n) + " / /var/lib/docker/overlay2/" + c +
                     "abcdef0123456789/merged rw,relatime - overlay overlay "
                     "rw,lowerdir=/var/lib/docker/overlay2/l/A:/var/lib/docker/overlay2/l/B,"
                     "upperdir=/var/lib/docker/overlay2/" +
                     c + "/diff,workdir=/var/lib/docker/overlay2/" + c + "/work");
                break;
            case 1:
                line("0:" + std::to_string(100 + n) + " / /run/docker/netns/" + c +
                     " rw - nsfs nsfs rw");
                break;
            case 2:
                line("0:" + std::to_string(100 + n) + " / /var/lib/kubelet/pods/" + c +
                     "/volumes/kubernetes.io~projected/kube-api-access rw,relatime - tmpfs tmpfs "
                     "rw,size=1024k");
                break;
            case 3:
                line("0:21 / /run/containers/" + c + "/proc rw,nosuid - proc proc rw");
                break;
            default:
                line("7:" + std::to_string(8 + n) + " / /snap/app" + c +
                     "/1234 ro,nodev,relatime shared:7 - squashfs /dev/loop" +
                     std::to_string(8 + n) + " ro,errors=continue");
                break;
        }
    }
}

class BusyMachine {
public:
    BusyMachine() {
        std::string pattern = (fs::temp_directory_path() / "marlix-bench-XXXXXX").string();
        m_dir = ::mkdtemp(pattern.data());
        fixture::SysfsTree sysfs(m_dir / "sys");
        fixture::BuildSampleMachine(sysfs);
        fixture::WriteSampleUdevDatabase(m_dir / "udev");
        WriteBusyMountTable(m_dir / "mountinfo");
    }
    ~BusyMachine() {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    LinuxVolumeConfig config() const {
        return {m_dir / "mountinfo", m_dir / "sys",
                std::make_shared<UdevBlockDeviceProperties>(m_dir / "udev", "/nonexistent"),
                [](const std::string&) {
                    return std::optional<VolumeSpace>({1ull << 35, 1u << 30});
                }};
    }

private:
    fs::path m_dir;
};

void BM_ScanBusyMountTable(benchmark::State& state) {
    BusyMachine machine;
    LinuxVolumeSource source(machine.config());
    std::size_t drives = 0;
    for (auto _ : state) {
        auto listed = source.ListRemovableDrives();
        if (!listed) {
            state.SkipWithError(listed.message().c_str());
            return;
        }
        drives = listed->size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["entries"] = kEntries;
    state.counters["drives"] = static_cast<double>(drives);
}
BENCHMARK(BM_ScanBusyMountTable)->Unit(benchmark::kMillisecond);

// This machine's own mount table, sysfs and udev database.
void BM_ScanThisMachine(benchmark::State& state) {
    const auto source = CreateSystemVolumeSource();
    for (auto _ : state) {
        auto listed = source->ListRemovableDrives();
        benchmark::DoNotOptimize(listed);
    }
}
BENCHMARK(BM_ScanThisMachine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marlix

BENCHMARK_MAIN();
