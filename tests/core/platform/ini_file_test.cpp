#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"

namespace voltaro {
namespace {

using test::FileSizeLimit;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

CIniFile LoadText(const TempDir& dir, const std::string& text) {
    WriteFile(dir.File("in.ini"), text);
    CIniFile ini;
    EXPECT_TRUE(ini.Load(dir.File("in.ini")));
    return ini;
}

std::string SaveText(const TempDir& dir, const CIniFile& ini) {
    EXPECT_TRUE(ini.Save(dir.File("out.ini")));
    return ReadFile(dir.File("out.ini"));
}

TEST(IniFile, ReadsCaseInsensitivelyAndTrimsValues) {
    TempDir dir;
    CIniFile ini = LoadText(dir,
                            "; leading comment\n"
                            "[Settings]\n"
                            "  DeviceId =  12  \n"
                            "Name=\"  quoted  \"\n"
                            "Half=\"open\n"
                            "Dup=first\n"
                            "dup=second\n"
                            "[Other]\n"
                            "DeviceId=99\n");
    EXPECT_EQ(ini.Get("settings", "deviceid"), "12");
    EXPECT_EQ(ini.Get("SETTINGS", "name"), "  quoted  ");
    EXPECT_EQ(ini.Get("Settings", "Half"), "\"open");
    EXPECT_EQ(ini.Get("Settings", "DUP"), "first");
    EXPECT_EQ(ini.Get("other", "DeviceId"), "99");
    EXPECT_FALSE(ini.Get("Settings", "Missing"));
    EXPECT_FALSE(ini.Get("Nothing", "DeviceId"));
    EXPECT_TRUE(ini.HasSection("OTHER"));
    EXPECT_FALSE(ini.HasSection("leading comment"));
    EXPECT_EQ(ini.Keys("settings"), (std::vector<std::string>{"DeviceId", "Name", "Half", "Dup"}));
}

TEST(IniFile, EditsKeepEverythingElseInPlace) {
    TempDir dir;
    CIniFile ini = LoadText(dir,
                            "; comment\n"
                            "garbage line\n"
                            "[A]\n"
                            "x=1\n"
                            "dup=1\n"
                            "DUP=2\n"
                            "; inner\n"
                            "y=2\n"
                            "\n"
                            "\n"
                            "[B]\n"
                            "z=3\n");
    ini.Set("a", "X", "10");     // replaced in place, keeps its spelling
    ini.Set("A", "dup", "one");  // the first of two duplicates is replaced
    ini.Set("A", "new", "n");    // after the last key, before the blank lines
    ini.Set("C", "k", "v");      // new section at the end
    EXPECT_EQ(SaveText(dir, ini),
              "; comment\n"
              "garbage line\n"
              "[A]\n"
              "x=10\n"
              "dup=one\n"
              "DUP=2\n"
              "; inner\n"
              "y=2\n"
              "new=n\n"
              "\n"
              "\n"
              "[B]\n"
              "z=3\n"
              "[C]\n"
              "k=v\n");
    ini.Remove("a", "DUP");  // removes both duplicates
    EXPECT_FALSE(ini.Get("A", "dup"));
    EXPECT_EQ(ini.Get("B", "z"), "3");
}

// Keys added one after another, to several sections, after removals and into a section
// that has a second block: each lands where a scan of the whole file would put it, and
// every key reads back its own value while lines move under it.
TEST(IniFile, AddedKeysLandInTheirSectionsFirstBlockWhateverCameBefore) {
    TempDir dir;
    CIniFile ini = LoadText(dir,
                            "[A]\n"
                            "a1=1\n"
                            "; end of A\n"
                            "[B]\n"
                            "b1=1\n"
                            "[A]\n"
                            "a9=9\n");
    ini.Set("A", "a2", "2");
    ini.Set("A", "a3", "3");
    ini.Set("B", "b2", "2");
    ini.Set("C", "c1", "1");
    ini.Set("C", "c2", "2");
    ini.Set("A", "a4", "4");
    ini.Remove("A", "a2");  // moves the key added just before
    ini.Set("A", "a5", "5");
    ini.Set("a", "A3", "33");  // an existing key keeps its place
    EXPECT_EQ(SaveText(dir, ini),
              "[A]\n"
              "a1=1\n"
              "a3=33\n"
              "a4=4\n"
              "a5=5\n"
              "; end of A\n"
              "[B]\n"
              "b1=1\n"
              "b2=2\n"
              "[A]\n"
              "a9=9\n"
              "[C]\n"
              "c1=1\n"
              "c2=2\n");
    for (const auto& [section, key, value] :
         std::vector<std::tuple<std::string, std::string, std::string>>{{"A", "a1", "1"},
                                                                        {"A", "a3", "33"},
                                                                        {"A", "a4", "4"},
                                                                        {"A", "a5", "5"},
                                                                        {"A", "a9", "9"},
                                                                        {"B", "b1", "1"},
                                                                        {"B", "b2", "2"},
                                                                        {"C", "c1", "1"},
                                                                        {"C", "c2", "2"}})
        EXPECT_EQ(ini.Get(section, key), value) << section << "." << key;
    EXPECT_FALSE(ini.Get("A", "a2"));
}

TEST(IniFile, NewFileUsesCrlfAndExistingKeepsItsLineEnds) {
    TempDir dir;
    CIniFile fresh;
    ASSERT_TRUE(fresh.Load(dir.File("missing.ini")));
    fresh.Set("S", "k", "v");
    fresh.Set("S", "k2", "v2");
    EXPECT_EQ(SaveText(dir, fresh), "[S]\r\nk=v\r\nk2=v2\r\n");

    CIniFile crlf = LoadText(dir, "[S]\r\nk=v\r\n");
    crlf.Set("s", "k", "w");
    EXPECT_EQ(crlf.Get("S", "k"), "w");
    EXPECT_EQ(SaveText(dir, crlf), "[S]\r\nk=w\r\n");
}

TEST(IniFile, ReadsByteOrderMarks) {
    TempDir dir;
    CIniFile bom = LoadText(dir, "\xEF\xBB\xBF[S]\nk=\xE6\x97\xA5\n");
    EXPECT_EQ(bom.Get("S", "k"), "\xE6\x97\xA5");
    EXPECT_EQ(SaveText(dir, bom), "\xEF\xBB\xBF[S]\nk=\xE6\x97\xA5\n");

    // UTF-16LE with BOM, CRLF, a BMP character and a surrogate pair; saved as UTF-8.
    std::u16string text = u"[S]\r\nk=\u65E5\U0001F600\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    CIniFile wide = LoadText(dir, bytes);
    EXPECT_EQ(wide.Get("s", "K"), "\xE6\x97\xA5\xF0\x9F\x98\x80");
    EXPECT_EQ(SaveText(dir, wide), "[S]\r\nk=\xE6\x97\xA5\xF0\x9F\x98\x80\r\n");

    // A UTF-16 text that itself begins with U+FEFF: that character is text of the first
    // line (which is then no section header), also in the saved UTF-8 file read again.
    CIniFile marked = LoadText(dir, std::string("\xFF\xFE\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0", 18));
    EXPECT_FALSE(marked.Get("S", "k"));
    marked.Set("T", "x", "1");
    CIniFile reread;
    reread.Parse(SaveText(dir, marked));
    EXPECT_FALSE(reread.Get("S", "k"));
    EXPECT_EQ(reread.Keys("T"), std::vector<std::string>{"x"});
    EXPECT_EQ(reread.Text(), marked.Text());
}

TEST(IniFile, LineBreaksInAValueCannotInjectLines) {
    TempDir dir;
    CIniFile ini;
    ini.Set("S", "k", "a\r\n[Evil]\nx=1");
    EXPECT_EQ(SaveText(dir, ini), "[S]\r\nk=a  [Evil] x=1\r\n");
    EXPECT_FALSE(ini.HasSection("Evil"));
}

TEST(IniFile, SaveReplacesAtomicallyAndKeepsTheMode) {
    TempDir dir;
    std::string path = dir.File("p.ini");
    CIniFile ini;
    ini.Set("S", "k", "v");
    ASSERT_TRUE(ini.Save(path, 0640));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    ::chmod(path.c_str(), 0604);
    ini.Set("S", "k", "w");
    ASSERT_TRUE(ini.Save(path, 0600));
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    EXPECT_EQ(ReadFile(path), "[S]\r\nk=w\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

// The failures come from limits that bind root too (permissions do not): a write cut short
// by a file size limit, and a target whose name leaves no room for the temporary's suffix.
TEST(IniFile, FailedSaveLeavesOldFileAndNoTemporary) {
    TempDir dir;
    std::string path = dir.File("p.ini");
    WriteFile(path, "[S]\nk=old\n");
    CIniFile ini;
    ini.Set("S", "k", "a new value longer than the limit");
    {
        FileSizeLimit limit(8);
        errno = 0;
        EXPECT_FALSE(ini.Save(path));
        EXPECT_EQ(errno, EFBIG);
    }
    EXPECT_EQ(ReadFile(path), "[S]\nk=old\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    std::string longest = dir.File(std::string(NAME_MAX, 'n'));
    WriteFile(longest, "[S]\nk=old\n");
    errno = 0;
    EXPECT_FALSE(ini.Save(longest));
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(ReadFile(longest), "[S]\nk=old\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

TEST(IniFile, SaveOverADirectoryFailsAndRemovesTheTemporary) {
    // Works for root too: rename cannot replace a non-empty directory with a file.
    TempDir dir;
    std::filesystem::create_directories(dir.File("target/inner"));
    CIniFile ini;
    ini.Set("S", "k", "v");
    errno = 0;
    EXPECT_FALSE(ini.Save(dir.File("target")));
    EXPECT_NE(errno, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("target/inner")));
}

TEST(IniFile, SaveThroughASymlinkKeepsTheLink) {
    TempDir dir;
    WriteFile(dir.File("real.ini"), "[S]\nk=1\n");
    std::filesystem::create_symlink("real.ini", dir.File("link.ini"));
    CIniFile ini;
    ASSERT_TRUE(ini.Load(dir.File("link.ini")));
    ini.Set("S", "k", "2");
    ASSERT_TRUE(ini.Save(dir.File("link.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ini")));
    EXPECT_EQ(ReadFile(dir.File("real.ini")), "[S]\nk=2\n");
}

TEST(IniFile, LoadFailureReportsErrnoAndEmpties) {
    TempDir dir;
    CIniFile ini;
    ini.Set("S", "k", "v");
    errno = 0;
    EXPECT_FALSE(ini.Load(dir.Path()));  // a directory cannot be read as a file
    EXPECT_EQ(errno, EISDIR);
    EXPECT_FALSE(ini.HasSection("S"));
}

TEST(ProfileInt, ParsesOnlyWholeThirtyTwoBitDecimals) {
    EXPECT_EQ(ParseProfileInt(" 42 "), 42);
    EXPECT_EQ(ParseProfileInt("+7"), 7);
    EXPECT_EQ(ParseProfileInt("-1"), -1);
    EXPECT_EQ(ParseProfileInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseProfileInt("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(ParseProfileInt("2147483648"));
    EXPECT_FALSE(ParseProfileInt("-2147483649"));
    EXPECT_FALSE(ParseProfileInt("99999999999999999999999"));
    EXPECT_FALSE(ParseProfileInt(""));
    EXPECT_FALSE(ParseProfileInt("-"));
    EXPECT_FALSE(ParseProfileInt("12abc"));
    EXPECT_FALSE(ParseProfileInt("1 2"));
    EXPECT_FALSE(ParseProfileInt("0x10"));
}

}  // namespace
}  // namespace voltaro
