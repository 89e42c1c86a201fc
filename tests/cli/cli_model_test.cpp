// voltaro-cli models / params: the catalogue and the parameter list of a default image.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace {

using voltaro::test::CliRun;
using voltaro::test::RunCli;

TEST(CliModel, ParamsOfADefaultImage) {
    CliRun run = RunCli("params --row 4");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Display\tOperation mode\tAll key operations are available\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("Input\tPrimary voltage\t110\n"), std::string::npos);
    EXPECT_EQ(run.out.find("Ao1\t"), std::string::npos);  // does not apply
    CliRun all = RunCli("params --row 4 --all");
    EXPECT_EQ(all.status, 0);
    EXPECT_NE(all.out.find("Ao1\tInput\t\n"), std::string::npos);
    // One line per entry: header plus 435 words less 62 second words and 3 address halves.
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 1 + 435 - 62 - 3);
}

TEST(CliModel, BadArgumentsExitWithUsage) {
    EXPECT_EQ(RunCli("params --row 79").status, 2);
    EXPECT_EQ(RunCli("params --row x").status, 2);
    EXPECT_EQ(RunCli("params").status, 2);
    EXPECT_EQ(RunCli("params --row").status, 2);
    EXPECT_EQ(RunCli("models extra").status, 2);
}

TEST(CliModel, ModelsInListOrder) {
    CliRun run = RunCli("models");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("prefix\tdescription\tversion\trow\n"
                            "KT2-\t1**1 Modbus, Do x1, Di x1\tVer.1.02 or earlier\t0\n",
                            0),
              0u);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 72);
}

}  // namespace
