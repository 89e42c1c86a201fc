// The Communication window's decisions: which frames it shows (filter, pause, clear, the
// bound), the figures of the newest connection, and saving the shown lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app/communication_view_model.h"

namespace voltaro {
namespace {

void PublishExchange(CLinkMonitor& monitor, FrameOutcome outcome, int address) {
    FrameRecord sent;
    sent.function = 4;
    sent.address = address;
    sent.count = 1;
    sent.bytes = {1, 4, 0, static_cast<uint8_t>(address), 0, 1};
    monitor.Publish(sent);
    FrameRecord received = sent;
    received.direction = FrameDirection::Received;
    received.outcome = outcome;
    received.bytes = outcome == FrameOutcome::Timeout ? std::vector<uint8_t>{}
                                                      : std::vector<uint8_t>{1, 4, 2, 0, 9};
    received.values = {9};
    monitor.Publish(received);
}

TEST(CommunicationViewModel, FilterPauseAndClearDecideTheShownLines) {
    CLinkMonitor monitor;
    CCommunicationViewModel model(monitor);
    EXPECT_TRUE(monitor.Listening());
    EXPECT_FALSE(model.Poll());
    PublishExchange(monitor, FrameOutcome::Answer, 1);
    PublishExchange(monitor, FrameOutcome::Timeout, 2);
    ASSERT_TRUE(model.Poll());
    ASSERT_EQ(model.NewLines().size(), 4u);
    EXPECT_NE(model.NewLines()[0].find("read 1 registers from 2"), std::string::npos);
    EXPECT_NE(model.NewLines()[3].find("| timeout"), std::string::npos);

    model.SetErrorsOnly(true);
    ASSERT_EQ(model.Lines().size(), 1u);
    EXPECT_EQ(model.Lines()[0], model.NewLines()[3]);
    PublishExchange(monitor, FrameOutcome::Crc, 3);
    model.Poll();
    EXPECT_EQ(model.NewLines().size(), 1u);  // only the CRC error is new and shown
    EXPECT_EQ(model.ShownCount(), 2u);

    // Paused: nothing new is taken, and nothing is lost either.
    model.SetPaused(true);
    PublishExchange(monitor, FrameOutcome::Exception, 4);
    EXPECT_FALSE(model.Poll());
    EXPECT_EQ(model.ShownCount(), 2u);
    model.SetPaused(false);
    EXPECT_TRUE(model.Poll());
    EXPECT_EQ(model.ShownCount(), 3u);

    model.Clear();
    EXPECT_TRUE(model.Lines().empty());
    PublishExchange(monitor, FrameOutcome::Answer, 5);
    model.Poll();
    model.SetErrorsOnly(false);
    EXPECT_EQ(model.Lines().size(), 2u);  // only what came after the clear
}

TEST(CommunicationViewModel, KeepsAtMostTheNewestTenThousandFrames) {
    CLinkMonitor monitor;
    CCommunicationViewModel model(monitor);
    for (int i = 0; i < 2600; ++i) {
        PublishExchange(monitor, FrameOutcome::Answer, i % 200);
        PublishExchange(monitor, FrameOutcome::Answer, i % 200);
        if (i % 500 == 0) model.Poll();
    }
    model.Poll();
    EXPECT_EQ(model.ShownCount(), CCommunicationViewModel::kMaxFrames);
    const auto lines = model.Lines();
    ASSERT_EQ(lines.size(), CCommunicationViewModel::kMaxFrames);
    // 10400 frames went out: the first 400 (100 exchanges of addresses 0 .. 99) are gone.
    EXPECT_NE(lines.front().find("read 1 registers from 101"), std::string::npos) << lines.front();
}

TEST(CommunicationViewModel, FiguresOfTheNewestConnection) {
    CLinkMonitor monitor;
    CCommunicationViewModel model(monitor);
    ASSERT_EQ(model.FigureRows().size(), 1u);
    EXPECT_EQ(model.FigureRows()[0].name, "No connection has been made yet.");
    monitor.Register("TCP a:1");
    auto newest = monitor.Register("serial /dev/x");
    newest->CountRequest(8, false);
    const auto rows = model.FigureRows();
    EXPECT_EQ(rows[0].name, "Connection 2: serial /dev/x");
    EXPECT_EQ(rows[1].name, "Requests");
    EXPECT_EQ(rows[1].value, "1");
}

TEST(CommunicationViewModel, SavesTheShownLinesOrSaysWhyNot) {
    CLinkMonitor monitor;
    CCommunicationViewModel model(monitor);
    PublishExchange(monitor, FrameOutcome::Answer, 1);
    PublishExchange(monitor, FrameOutcome::Timeout, 2);
    model.Poll();
    model.SetErrorsOnly(true);
    const auto dir = std::filesystem::temp_directory_path() /
                     ("voltaro-comm-save-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "log.txt").string();
    {
        std::ofstream old(path);
        old << "old log\n";
    }
    EXPECT_EQ(model.Save(path), "");
    std::ifstream in(path);
    std::stringstream saved;
    saved << in.rdbuf();
    EXPECT_EQ(saved.str(), model.Lines()[0] + "\n");

    // A folder cannot be written as a file: the message names it and says why.
    const std::string error = model.Save(dir.string());
    EXPECT_EQ(error.rfind("The frame log could not be saved to " + dir.string() + ": ", 0), 0u)
        << error;
    EXPECT_GT(error.size(), ("The frame log could not be saved to " + dir.string() + ": ").size());
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace voltaro
