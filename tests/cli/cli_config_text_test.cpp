// voltaro-cli diff / export / import as scripts use them: exit statuses, output shapes, and
// an import that fails leaving its output file as it was.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/files/config_file.h"
#include "core/files/config_text.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "support/cli_run.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::CliRun;
using test::ReadFile;
using test::RunCli;
using test::TempDir;
using test::WriteFile;

class CliConfigText : public ::testing::Test {
  protected:
    void SetUp() override {
        base_ = dir_.File("base.cfg");
        edited_ = dir_.File("edited.cfg");
        other_ = dir_.File("other.cfg");
        ParameterImage image = DefaultImageOfRow(4);
        SaveConfigFile(base_, image);
        image.Set32(kWordPrimaryVoltage, 6600);
        SaveConfigFile(edited_, image);
        SaveConfigFile(other_, DefaultImageOfRow(5));
    }
    TempDir dir_;
    std::string base_;
    std::string edited_;
    std::string other_;
};

TEST_F(CliConfigText, DiffExitsByResultAndListsByGroupAndName) {
    CliRun same = RunCli("diff " + base_ + " " + base_);
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "group\tname\tkey\tbase.cfg\tbase.cfg\nThe configurations are the same.\n");

    CliRun differ = RunCli("diff " + base_ + " " + edited_);
    EXPECT_EQ(differ.status, 3);
    EXPECT_EQ(differ.out,
              "group\tname\tkey\tbase.cfg\tedited.cfg\n"
              "Input\tPrimary voltage\t" +
                  ConfigKey(kWordPrimaryVoltage) +
                  "\t110\t6600\n"
                  "1 parameter(s) differ, 0 in one configuration only.\n");

    CliRun models = RunCli("diff " + base_ + " " + other_);
    EXPECT_EQ(models.status, 3);
    EXPECT_EQ(models.out.find("group\tname\tkey\tbase.cfg\tother.cfg\nModel\t\t\t"), 0u);
    EXPECT_NE(models.out.find("\t(only in other.cfg)\t"), std::string::npos);

    CliRun json = RunCli("diff --json " + base_ + " " + edited_);
    EXPECT_EQ(json.status, 3);
    EXPECT_NE(json.out.find("\"state\": \"different\", \"a\": \"110\", \"b\": \"6600\"}"),
              std::string::npos);

    EXPECT_EQ(RunCli("diff " + base_).status, 2);
    EXPECT_EQ(RunCli("diff --bogus " + base_ + " " + base_).status, 2);
    EXPECT_EQ(RunCli("diff " + base_ + " " + dir_.File("none.cfg")).status, 1);
}

TEST_F(CliConfigText, ExportToStandardOutputOrAFileInEitherFormat) {
    CliRun json = RunCli("export " + base_);
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.find("{\n  \"format\": \"voltaro-configuration\",\n"), 0u);
    EXPECT_NE(
        json.out.find("{\"key\": \"" + ConfigKey(kWordPrimaryVoltage) +
                      "\", \"name\": \"Primary voltage\", \"value\": 110, \"text\": \"110\"}"),
        std::string::npos);

    CliRun text = RunCli("export --format text " + base_);
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("\n[Input]\n"), std::string::npos);
    EXPECT_NE(
        text.out.find("\n" + ConfigKey(kWordPrimaryVoltage) + " = 110\tPrimary voltage\t110\n"),
        std::string::npos);

    const std::string out = dir_.File("base.json");
    CliRun toFile = RunCli("export " + base_ + " -o " + out);
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadFile(out), json.out);

    EXPECT_EQ(RunCli("export --format xml " + base_).status, 2);
    EXPECT_EQ(RunCli("export").status, 2);
    EXPECT_EQ(RunCli("export " + dir_.File("none.cfg")).status, 1);
    EXPECT_EQ(RunCli("export " + base_ + " -o " + dir_.Path()).status, 1);  // a directory
}

TEST_F(CliConfigText, ImportWritesTheSameFileOrNothing) {
    const std::string json = dir_.File("edited.json");
    ASSERT_EQ(RunCli("export " + edited_ + " -o " + json).status, 0);
    const std::string out = dir_.File("back.cfg");
    CliRun run = RunCli("import " + json + " " + out);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(out), ReadFile(edited_));
    EXPECT_EQ(RunCli("diff " + out + " " + edited_).status, 0);

    // A refused value: named, exit 1, the existing output untouched.
    const std::string good = ReadFile(json);
    std::string bad = good;
    const std::string value = "\"value\": 6600";
    bad.replace(bad.find(value), value.size(), "\"value\": 1.5");
    WriteFile(json, bad);
    WriteFile(out, "old content\n");
    CliRun refused = RunCli("import " + json + " " + out, true);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find(ConfigKey(kWordPrimaryVoltage)), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("Nothing was written."), std::string::npos);
    EXPECT_EQ(ReadFile(out), "old content\n");

    // Other refusals: each told, none writes.
    const std::string key = "\"key\": \"" + ConfigKey(kWordPrimaryVoltage) + "\"";
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\"row\": 4", "\"row\": 5"},
                                   {key, "\"key\": \"input.nothing\""},
                                   {"\"groups\": [", "\"groups\": [}"}}) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        WriteFile(json, text);
        CliRun other = RunCli("import " + json + " " + out, true);
        EXPECT_EQ(other.status, 1) << to;
        EXPECT_NE(other.out.find("Import error."), std::string::npos) << other.out;
        EXPECT_EQ(ReadFile(out), "old content\n");
    }

    EXPECT_EQ(RunCli("import " + json).status, 2);
    EXPECT_EQ(RunCli("import " + dir_.File("none.json") + " " + out).status, 1);
    EXPECT_EQ(ReadFile(out), "old content\n");
}

}  // namespace
}  // namespace voltaro
