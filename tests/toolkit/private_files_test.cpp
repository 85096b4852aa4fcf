// Private files and file moves: the settings folder and transfer files kept to their owner, and
// a move that crosses file systems.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "toolkit/scratch_dir.h"
#include "toolkit/services/file_move.h"
#include "toolkit/services/private_files.h"

namespace tk {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 01000;
}

TEST(PrivateFiles, FoldersAndFilesAreTheOwnersAndALinkIsNotFollowed) {
  ScratchDir dir;
  const std::string file = dir.Path("a/b/~transfer.txt");
  ASSERT_TRUE(WritePrivateFile(file, "one\ntwo\n"));
  EXPECT_EQ(ReadBytes(file), "one\ntwo\n");
  EXPECT_EQ(ModeOf(dir.Path("a")), 0700u);
  EXPECT_EQ(ModeOf(dir.Path("a/b")), 0700u);
  EXPECT_EQ(ModeOf(file), 0600u);
  ASSERT_TRUE(WritePrivateFile(file, "x"));
  EXPECT_EQ(ReadBytes(file), "x") << "the whole file replaced";

  WriteBytes(dir.Path("target"), "keep");
  fs::create_symlink(dir.Path("target"), dir.Path("a/link"));
  EXPECT_FALSE(WritePrivateFile(dir.Path("a/link"), "over"));
  EXPECT_EQ(ReadBytes(dir.Path("target")), "keep");
  EXPECT_FALSE(MakePrivateFolder(dir.Path("target")));
}

TEST(FileMove, RenamesOrCopiesAcrossFileSystems) {
  ScratchDir dir;
  WriteBytes(dir.Path("from"), "bytes");
  WriteBytes(dir.Path("to"), "old");
  ASSERT_TRUE(MoveFile(dir.Path("from"), dir.Path("to")));
  EXPECT_EQ(ReadBytes(dir.Path("to")), "bytes");
  EXPECT_FALSE(fs::exists(dir.Path("from")));
  EXPECT_FALSE(MoveFile(dir.Path("missing"), dir.Path("to")));

  struct stat here {};
  struct stat shm {};
  if (::stat(dir.Root().c_str(), &here) != 0 || ::stat("/dev/shm", &shm) != 0 ||
      here.st_dev == shm.st_dev)
    GTEST_SKIP() << "no second file system at /dev/shm";
  const std::string other = "/dev/shm/vontrask-move-" + std::to_string(::getpid());
  ASSERT_TRUE(MoveFile(dir.Path("to"), other));
  EXPECT_EQ(ReadBytes(other), "bytes");
  EXPECT_FALSE(fs::exists(dir.Path("to")));
  fs::remove(other);
}

}  // namespace
}  // namespace tk
