// The Communication window: opened from the main window's menu and from a monitor window,
// it fills with the figures and frames of a link while an upload runs.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <atomic>
#include <thread>

#include "core/comm/modbus_interface.h"
#include "core/transfer/progress_thread.h"
#include "gui/app/main_window.h"
#include "gui/comm/communication_window.h"
#include "gui/monitor/pm_dialog.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

constexpr int kWaitMs = 10000;

// The value of the figures table's row named `name`, or -1.
long long Figure(CCommunicationWindow* window, const QString& name) {
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("figures"));
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0) && table->item(r, 0)->text() == name)
            return table->item(r, 1)->text().toLongLong();
    return -1;
}

int LogLines(CCommunicationWindow* window) {
    auto* log = window->findChild<QPlainTextEdit*>(QStringLiteral("frame_log"));
    return log->toPlainText().isEmpty() ? 0 : log->document()->blockCount();
}

TEST(CommunicationWindow, FillsWhileAnUploadRuns) {
    sim::SimulatorOptions options;
    options.device.row = 4;
    options.line.turnaroundMs = 15;  // an upload of a few seconds
    sim::Simulator simulator(options);
    AppSettings settings;
    ParameterImage image;
    CBasicParameterDialog main(image, settings);
    main.show();
    main.findChild<QAction*>(QStringLiteral("action_communication"))->trigger();
    CCommunicationWindow* window = CCommunicationWindow::Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isModal());
    main.findChild<QAction*>(QStringLiteral("action_communication"))->trigger();
    EXPECT_EQ(CCommunicationWindow::Instance(), window);  // one instance

    CComSettings link;
    link.mode = ModbusTcp;
    link.serverAddress = "127.0.0.1";
    link.servicePort = std::to_string(simulator.StartTcp());
    CModbusInterface client(link);
    std::atomic<bool> done{false};
    bool uploaded = false;
    std::thread upload([&] {
        ParameterImage read;
        uploaded = RunUpload(client, read);
        done = true;
    });
    // Live: figures and frames show up before the upload has finished.
    const bool live = QTest::qWaitFor(
        [&] { return Figure(window, "Requests") > 0 && LogLines(window) > 0; }, kWaitMs);
    const bool wasRunning = !done;
    upload.join();
    ASSERT_TRUE(uploaded);
    EXPECT_TRUE(live);
    EXPECT_TRUE(wasRunning);
    window->Refresh();
    const LinkCounters counters = client.Statistics().counters;
    EXPECT_EQ(Figure(window, "Requests"), static_cast<long long>(counters.requests));
    EXPECT_EQ(Figure(window, "Answers"), static_cast<long long>(counters.answers));
    EXPECT_EQ(LogLines(window), static_cast<int>(2 * counters.requests));

    // Errors only: a clean link leaves nothing; off again, every frame is back.
    window->findChild<QCheckBox*>(QStringLiteral("errors_only"))->setChecked(true);
    EXPECT_EQ(LogLines(window), 0);
    window->findChild<QCheckBox*>(QStringLiteral("errors_only"))->setChecked(false);
    EXPECT_EQ(LogLines(window), static_cast<int>(2 * counters.requests));
    // Pause holds the view; frames of the pause come on resume. Clear empties it.
    auto* pause = window->findChild<QPushButton*>(QStringLiteral("pause"));
    pause->click();
    uint16_t value = 0;
    client.Open();
    client.ReadHoldingRegisters(9600, 1, &value);
    window->Refresh();
    EXPECT_EQ(LogLines(window), static_cast<int>(2 * counters.requests));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("frame_count"))->text(),
              "Paused: new frames are not shown.");
    pause->click();
    window->Refresh();
    EXPECT_EQ(LogLines(window), static_cast<int>(2 * counters.requests + 2));
    window->findChild<QPushButton*>(QStringLiteral("clear"))->click();
    EXPECT_EQ(LogLines(window), 0);
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return CCommunicationWindow::Instance() == nullptr; }));
}

TEST(CommunicationWindow, OpensFromAMonitorWindowAndShowsItsReads) {
    sim::SimulatorOptions options;
    options.device.row = 64;
    sim::Simulator simulator(options);
    CComSettings link;
    link.mode = ModbusTcp;
    link.serverAddress = "127.0.0.1";
    link.servicePort = std::to_string(simulator.StartTcp());
    CModbusInterface client(link);
    client.Open();
    CPMDialog monitor(client);
    monitor.show();
    monitor.findChild<QPushButton*>(QStringLiteral("communication"))->click();
    CCommunicationWindow* window = CCommunicationWindow::Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &monitor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return LogLines(window) >= 4; }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Figure(window, "Answers") >= 2; }, kWaitMs));
    window->close();
    monitor.reject();
}

}  // namespace
}  // namespace voltaro
