#include "core/comm/port_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace voltaro {
namespace {
namespace fs = std::filesystem;

class PortListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("voltaro-ports-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "class/tty");
        fs::create_directories(root / "virtual");
    }
    void TearDown() override { fs::remove_all(root); }

    // A tty entry whose device link points at devicePath (created under devices/).
    void AddTty(const std::string& name, const std::string& devicePath) {
        fs::path device = root / "devices" / devicePath;
        fs::create_directories(device);
        fs::create_directories(root / "class/tty" / name);
        fs::create_directory_symlink(device, root / "class/tty" / name / "device");
    }
    void Write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text << "\n";
    }
    PortList Build() {
        return BuildPortList((root / "class/tty").string(), (root / "virtual").string());
    }

    fs::path root;
};

TEST_F(PortListTest, CandidatesAloneWithoutAnyPort) {
    PortList list = BuildPortList((root / "missing").string(), (root / "missing").string());
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(PortDisplayName(list, 0), "COM1");
    EXPECT_EQ(PortDevicePath(list, 0), "COM1");
    EXPECT_EQ(PortDevicePath(list, 10), "COM11");
    EXPECT_EQ(PortDevicePath(list, 11), "\\\\.\\COM12");
    EXPECT_EQ(PortDisplayName(list, 15), "COM16");
    EXPECT_EQ(PortDisplayName(list, 16), "");
    EXPECT_EQ(PortDevicePath(list, -1), "");
}

TEST_F(PortListTest, SystemPortsThenVirtualPorts) {
    AddTty("ttyUSB1", "pci0/usb1/1-2/1-2:1.0/ttyUSB1");
    Write(root / "devices/pci0/usb1/1-2/product", "FT232R USB UART");
    AddTty("ttyACM0", "pci0/usb1/1-3/1-3:1.0");  // no product file anywhere close
    AddTty("ttyS0", "pnp0/00:05");
    Write(root / "class/tty/ttyS0/type", "4");
    AddTty("ttyS1", "platform/serial8250");  // placeholder without hardware
    Write(root / "class/tty/ttyS1/type", "0");
    AddTty("ttyS2", "platform/serial8250");           // placeholder of an older kernel (no type)
    fs::create_directories(root / "class/tty/tty0");  // consoles are not serial ports
    fs::create_directory_symlink(root / "devices/pci0", root / "class/tty/tty0/device");
    fs::create_directories(root / "class/tty/ttyUSB7");  // gone: no device link

    std::ofstream(root / "pts-target");
    fs::create_symlink("/dev/pts/7", root / "virtual/Simulated KT2 (pts)");
    fs::create_symlink("../pts-target", root / "virtual/relative");
    fs::create_symlink("/dev/ttyUSB1", root / "virtual/again USB1");  // listed already
    fs::create_symlink("/dev/ttyS0", root / "virtual/again ttyS0");   // COM1 opens it
    std::ofstream(root / "virtual/not-a-link");

    PortList list = Build();
    ASSERT_EQ(list.size(), 16u + 2u + 2u);
    // The real ttyS0 is COM1 (which opens it), named with its device path, not a second entry.
    EXPECT_EQ(list[0].displayName, "COM1 (/dev/ttyS0)");
    EXPECT_EQ(list[0].devicePath, "COM1");
    EXPECT_EQ(list[1].displayName, "COM2");
    EXPECT_EQ(list[16].displayName, "/dev/ttyACM0");
    EXPECT_EQ(list[16].devicePath, "/dev/ttyACM0");
    EXPECT_EQ(list[17].displayName, "FT232R USB UART (/dev/ttyUSB1)");
    EXPECT_EQ(list[17].devicePath, "/dev/ttyUSB1");
    EXPECT_EQ(list[18].displayName, "Simulated KT2 (pts)");
    EXPECT_EQ(list[18].devicePath, "/dev/pts/7");
    EXPECT_EQ(list[19].displayName, "relative");
    EXPECT_EQ(list[19].devicePath, (root / "pts-target").string());
}

TEST_F(PortListTest, PortsBeyondTheCandidatesAndProductsOfBuiltInPorts) {
    AddTty("ttyS20", "pci0/0000:05:00.0");
    Write(root / "class/tty/ttyS20/type", "4");
    AddTty("ttyS3", "pci0/0000:06:00.0/port");
    Write(root / "class/tty/ttyS3/type", "4");
    Write(root / "devices/pci0/0000:06:00.0/product", "PCIe Serial");
    PortList list = Build();
    ASSERT_EQ(list.size(), 17u);
    EXPECT_EQ(list[3].displayName, "COM4 PCIe Serial (/dev/ttyS3)");
    EXPECT_EQ(list[16].displayName, "/dev/ttyS20");
    EXPECT_EQ(list[16].devicePath, "/dev/ttyS20");
}

// Links in a folder that others may write to, or reached through a link, could have been
// planted by another user: none of them is listed.
TEST_F(PortListTest, VirtualPortsOnlyFromAFolderPrivateToTheUser) {
    fs::create_symlink("/dev/pts/7", root / "virtual/planted");
    fs::create_directory_symlink(root / "virtual", root / "linked");
    EXPECT_EQ(BuildPortList((root / "class/tty").string(), (root / "linked").string()).size(), 16u);
    fs::permissions(root / "virtual", fs::perms::others_write, fs::perm_options::add);
    EXPECT_EQ(Build().size(), 16u);
    fs::permissions(root / "virtual", fs::perms::others_write | fs::perms::group_write,
                    fs::perm_options::remove);
    EXPECT_EQ(Build().size(), 17u);
}

}  // namespace
}  // namespace voltaro
