#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quellan::testing_support {

// A fresh folder per test, removed with everything in it afterwards.
class TemporaryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("quellan-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        for (const std::filesystem::path& mounted : mounts_) {
            ::umount2(mounted.c_str(), MNT_DETACH);
        }
        std::error_code ignored;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& Folder() const { return folder_; }

    static void WriteFile(const std::filesystem::path& path, const std::string& contents) {
        std::ofstream(path, std::ios::binary) << contents;
    }

    static std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                      std::filesystem::directory_iterator()));
    }

    // Root ignores folder permissions, so a read-only folder cannot be made for it.
    bool FolderRefusesNewFiles() const {
        std::filesystem::path probe = folder_ / "probe";
        bool created = static_cast<bool>(std::ofstream(probe));
        std::filesystem::remove(probe);
        return !created;
    }

    // A small file system of its own at `folder` (created inside the test's folder), holding
    // `contents` under `name`, then made read-only or filled to the last byte. Mounting needs root
    // (which in turn ignores folder permissions); false when it cannot be done here.
    enum class SmallFileSystem { ReadOnly, Full };
    bool MountSmallFileSystem(const std::filesystem::path& folder, SmallFileSystem kind,
                              const std::string& name, const std::string& contents) {
        std::filesystem::create_directories(folder);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
            return false;
        }
        mounts_.push_back(folder);
        WriteFile(folder / name, contents);
        if (kind == SmallFileSystem::ReadOnly) {
            return ::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        }
        std::ofstream filler(folder / "filler", std::ios::binary);
        std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
        return true;
    }

private:
    std::filesystem::path folder_;
    std::vector<std::filesystem::path> mounts_;
};

}  // namespace quellan::testing_support
