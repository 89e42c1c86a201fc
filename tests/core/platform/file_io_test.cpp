// Careful file reads and writes: only regular files, within a size limit, saved with the
// target's mode, owner and links kept, and only where a plain write would be allowed.
#include "core/platform/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "core/platform/temp_dir.h"  // tests/core/platform
#include "support/unprivileged.h"

namespace voltaro {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(FileIo, ReadsOnlyRegularFilesWithinTheLimitAndNeverBlocks) {
    TempDir dir;
    std::string data;
    WriteFile(dir.File("a.ini"), "[S]\nk=v\n");
    EXPECT_TRUE(ReadSmallFile(dir.File("a.ini"), 100, data));
    EXPECT_EQ(data, "[S]\nk=v\n");

    EXPECT_EQ(ReadSmallFile(dir.File("none"), 100, data).error, FileError::Missing);
    FileStatus directory = ReadSmallFile(dir.Path(), 100, data);
    EXPECT_EQ(directory.systemError, EISDIR);

    // A FIFO nobody writes to, a link to it and a device node would block or never end.
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(dir.File("fifo").c_str(), dir.File("to-fifo").c_str()), 0);
    for (const std::string& path :
         {dir.File("fifo"), dir.File("to-fifo"), std::string("/dev/zero")}) {
        FileStatus status = ReadSmallFile(path, 100, data);
        EXPECT_EQ(status.error, FileError::NotRegular) << path;
        EXPECT_EQ(status.Text(path), path + " is not a regular file.");
    }

    WriteFile(dir.File("big"), std::string(101, 'x'));
    FileStatus big = ReadSmallFile(dir.File("big"), 100, data);
    EXPECT_EQ(big.error, FileError::TooLarge);
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(big.Text("big"),
              "big is larger than 100 bytes: it cannot be one of this program's files.");
}

TEST(FileIo, SaveKeepsModeOwnerLinksAndOtherNames) {
    TempDir dir;
    const std::string file = dir.File("private.csv");
    WriteFile(file, "old");
    ::chmod(file.c_str(), 0400);  // read-only for its owner: root may still write it
    if (test::RunningAsRoot()) {
        ASSERT_EQ(::chown(file.c_str(), test::kPlainUserId, test::kPlainGroupId), 0);
        ASSERT_TRUE(WriteFileSafely(file, "new", 0644));
        struct stat st {};
        ::stat(file.c_str(), &st);
        EXPECT_EQ(st.st_uid, test::kPlainUserId);  // not handed to root
        EXPECT_EQ(st.st_mode & 07777, 0400u);      // not made readable for all
        EXPECT_EQ(ReadFile(file), "new");
    }
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(WriteFileSafely(file, "newer", 0644));
    EXPECT_EQ(ModeOf(file) & 07777, 0640u);

    // A link is written through; a dangling one creates its target and stays a link.
    WriteFile(dir.File("target.cfg"), "old");
    ASSERT_EQ(::symlink("target.cfg", dir.File("link.cfg").c_str()), 0);
    ASSERT_EQ(::symlink("made.cfg", dir.File("dangling.cfg").c_str()), 0);
    ASSERT_TRUE(WriteFileSafely(dir.File("link.cfg"), "through", 0644));
    ASSERT_TRUE(WriteFileSafely(dir.File("dangling.cfg"), "made", 0600));
    EXPECT_TRUE(S_ISLNK(ModeOf(dir.File("link.cfg"))));
    EXPECT_TRUE(S_ISLNK(ModeOf(dir.File("dangling.cfg"))));
    EXPECT_EQ(ReadFile(dir.File("target.cfg")), "through");
    EXPECT_EQ(ReadFile(dir.File("made.cfg")), "made");
    EXPECT_EQ(ModeOf(dir.File("made.cfg")) & 07777, 0600u);
    ASSERT_EQ(::symlink("loop-b", dir.File("loop-a").c_str()), 0);
    ASSERT_EQ(::symlink("loop-a", dir.File("loop-b").c_str()), 0);
    EXPECT_EQ(WriteFileSafely(dir.File("loop-a"), "x", 0644).systemError, ELOOP);

    // A second name of the same file sees the new content.
    ASSERT_EQ(::link(dir.File("target.cfg").c_str(), dir.File("second-name.cfg").c_str()), 0);
    ASSERT_TRUE(WriteFileSafely(dir.File("target.cfg"), "both names", 0644));
    EXPECT_EQ(ReadFile(dir.File("second-name.cfg")), "both names");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}),
              8);  // no temporary left
}

TEST(FileIo, SaveRefusesWhatIsNoRegularFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/null"), dir.File("fifo")}) {
        EXPECT_EQ(CheckSaveTarget(path).error, FileError::NotRegular) << path;
        EXPECT_EQ(WriteFileSafely(path, "data", 0644).error, FileError::NotRegular) << path;
    }
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));  // still the system's device
    EXPECT_TRUE(S_ISFIFO(ModeOf(dir.File("fifo"))));
    EXPECT_EQ(CheckSaveTarget(dir.File("no-dir/new.cfg")).error, FileError::Missing);
    EXPECT_TRUE(CheckSaveTarget(dir.File("new.cfg")));
}

TEST(FileIo, SaveHonoursPermissionsAsAPlainWriteWould) {
    TempDir dir;
    const std::string locked = dir.File("locked");  // a directory the user may not write
    ::mkdir(locked.c_str(), 0755);
    WriteFile(locked + "/writable.cfg", "old");
    ::chmod((locked + "/writable.cfg").c_str(), 0644);
    WriteFile(dir.File("read-only.cfg"), "kept");
    ::chmod(dir.File("read-only.cfg").c_str(), 0444);
    test::GiveToPlainUser(dir.Path());
    ::chmod(locked.c_str(), 0555);

    EXPECT_EQ(test::AsPlainUser([&]() -> std::string {
                  FileStatus readOnly = WriteFileSafely(dir.File("read-only.cfg"), "new", 0644);
                  if (readOnly.systemError != EACCES) return "a read-only file was replaced";
                  if (CheckSaveTarget(dir.File("read-only.cfg")).systemError != EACCES)
                      return "a read-only file was offered for saving";
                  if (WriteFileSafely(locked + "/new.cfg", "x", 0644).systemError != EACCES)
                      return "a file was made in a directory the user may not write";
                  // Only the file is writable: it is rewritten in place.
                  if (!WriteFileSafely(locked + "/writable.cfg", "in place", 0644))
                      return "a writable file in a locked directory was not saved";
                  return {};
              }),
              "");
    EXPECT_EQ(ReadFile(dir.File("read-only.cfg")), "kept");
    EXPECT_EQ(ReadFile(locked + "/writable.cfg"), "in place");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked), {}), 1);
}

}  // namespace
}  // namespace voltaro
