// The per-device advisory lock: a second holder of the same device waits and gives up
// clearly; other devices are free; the lock files stay inside their directory.
#include "core/comm/device_lock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/user_notice.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::MessageOf;
namespace fs = std::filesystem;

// A runtime directory of the test's own for the lock files.
struct RuntimeDirectory {
    RuntimeDirectory() {
        path = fs::temp_directory_path() / ("voltaro-lock-test-" + std::to_string(::getpid()));
        fs::create_directories(path);
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        if (old) previous = old;
        ::setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
    }
    ~RuntimeDirectory() {
        if (previous.empty())
            ::unsetenv("XDG_RUNTIME_DIR");
        else
            ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
        fs::remove_all(path);
    }
    fs::path path;
    std::string previous;
};

CComSettings Tcp(const std::string& host, const std::string& port, int unit) {
    CComSettings s;
    s.mode = ModbusTcp;
    s.serverAddress = host;
    s.servicePort = port;
    s.address = unit;
    return s;
}

TEST(DeviceLock, ASecondHolderWaitsThenGivesUpOrGetsIt) {
    RuntimeDirectory runtime;
    std::vector<std::string> told;
    NoticeHandler previous = SetNoticeHandler([&](const std::string& t) { told.push_back(t); });
    const CComSettings device = Tcp("10.0.0.7", "502", 3);
    {
        CDeviceLock first(device);
        ASSERT_TRUE(first.Held());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(MessageOf([&] { CDeviceLock second(device, 300); }),
                  FormatMessageId(kMsgDeviceInUse, {"10.0.0.7:502 (unit 3)"}));
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
        EXPECT_EQ(told, (std::vector<std::string>{
                            FormatMessageId(kMsgDeviceInUseWaiting, {"10.0.0.7:502 (unit 3)"})}));
        // Another unit, port or host is another device.
        EXPECT_TRUE(CDeviceLock(Tcp("10.0.0.7", "502", 4), 0).Held());
        EXPECT_TRUE(CDeviceLock(Tcp("10.0.0.7", "1502", 3), 0).Held());
        EXPECT_TRUE(CDeviceLock(Tcp("10.0.0.8", "502", 3), 0).Held());
    }
    EXPECT_TRUE(CDeviceLock(device, 0).Held());  // released with its holder

    // A holder that finishes while the second waits hands the device over.
    auto first = std::make_unique<CDeviceLock>(device);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        first.reset();
    });
    CDeviceLock second(device, 5000);
    release.join();
    EXPECT_TRUE(second.Held());
    SetNoticeHandler(previous);
}

TEST(DeviceLock, NamesStayInTheLockDirectory) {
    RuntimeDirectory runtime;
    EXPECT_EQ(DeviceLockDirectory(), (runtime.path / "voltaro-locks").string());
    const std::string hostile = DeviceLockName(Tcp("../../etc/passwd", "502", 1));
    EXPECT_EQ(hostile.find('/'), std::string::npos) << hostile;
    CComSettings serial;
    serial.comPortName = "/dev/../dev/null";
    CComSettings infrared = serial;
    infrared.mode = Infrared;
    infrared.irComPortName = "/dev/null";
    // Both link kinds and every spelling of one port are one device.
    EXPECT_EQ(DeviceLockName(serial), DeviceLockName(infrared));
    EXPECT_EQ(DeviceLockName(serial).find('/'), std::string::npos);
}

}  // namespace
}  // namespace voltaro
