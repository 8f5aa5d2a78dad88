#include "device/linux/HidrawEnumeration.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "device/linux/HidrawBackend.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// One 31-byte input report 7: the status interface's shape.
const std::string kInputDescriptor = {
    '\x06', '\x00', '\xFF', '\x09', '\x01', '\xA1', '\x01', '\x85', '\x07', '\x75', '\x08',
    '\x95', '\x1F', '\x09', '\x01', '\x81', '\x02', '\xC0'};
// Feature reports 8 and 9 of 31 bytes: the command interface's shape.
const std::string kFeatureDescriptor = {
    '\x06', '\x00', '\xFF', '\x09', '\x01', '\xA1', '\x01', '\x75', '\x08', '\x95', '\x1F',
    '\x85', '\x08', '\x09', '\x01', '\xB1', '\x02', '\x85', '\x09', '\x09', '\x02', '\xB1', '\x02', '\xC0'};

// Both as two top-level collections of one interface.
const std::string kStatusAndCommandDescriptor = kInputDescriptor + kFeatureDescriptor;

// A sysfs tree in a temp folder, laid out as the kernel lays it out: the class entry
// links to the node below its HID device, whose "device" link points back up.
class FakeSysfs {
 public:
  FakeSysfs() {
    root_ = fs::temp_directory_path() /
            ("corvane-sysfs-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "class" / "hidraw");
  }
  ~FakeSysfs() { fs::remove_all(root_); }

  const fs::path& root() const { return root_; }

  // A USB device folder with its identity attributes.
  fs::path UsbDevice(const std::string& rel, const std::string& idVendor, const std::string& bcdDevice) {
    const fs::path dir = root_ / "devices" / rel;
    fs::create_directories(dir);
    Write(dir / "idVendor", idVendor + "\n");
    Write(dir / "bcdDevice", bcdDevice + "\n");
    return dir;
  }

  // A HID device at devices/<parentRel>/<hidName> exposing hidraw<n>. Empty texts leave
  // the file out.
  void Node(int n, const std::string& parentRel, const std::string& hidName, const std::string& uevent,
            const std::string& descriptor) {
    const fs::path hid = root_ / "devices" / parentRel / hidName;
    const fs::path node = hid / "hidraw" / ("hidraw" + std::to_string(n));
    fs::create_directories(node);
    if (!uevent.empty()) Write(hid / "uevent", uevent);
    if (!descriptor.empty()) Write(hid / "report_descriptor", descriptor);
    fs::create_directory_symlink(fs::path("../../../") / hidName, node / "device");
    fs::create_directory_symlink(fs::relative(node, root_ / "class" / "hidraw"),
                                 root_ / "class" / "hidraw" / ("hidraw" + std::to_string(n)));
  }

  static void Write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  }

 private:
  fs::path root_;
};

std::string Uevent(const std::string& hidId) {
  return "DRIVER=hid-generic\nHID_ID=" + hidId + "\nHID_NAME=Mouse\nHID_PHYS=usb-0000:00:14.0-1/input1\n";
}

TEST(HidrawEnumeration, ListsEveryNodeWithIdentityVersionAndLengths) {
  FakeSysfs sys;
  const std::string usb = "pci0000:00/0000:00:14.0/usb1/1-2";
  sys.UsbDevice(usb, "248a", "0107");
  sys.Node(0, usb + "/1-2:1.0", "0003:248A:6674.0001", Uevent("0003:0000248A:00006674"), kInputDescriptor);
  sys.Node(1, usb + "/1-2:1.1", "0003:248A:6674.0002", Uevent("0003:0000248A:00006674"), kFeatureDescriptor);
  // Bluetooth behind a USB adapter: the adapter's numbers are not the mouse's.
  const std::string bt = "pci0000:00/0000:00:14.0/usb1/1-5";
  sys.UsbDevice(bt, "8087", "0001");
  sys.Node(2, bt + "/1-5:1.0/bluetooth/hci0/hci0:256", "0005:248A:6673.0003", Uevent("0005:0000248A:00006673"),
           kFeatureDescriptor);
  // Receiver with status and commands in one USB interface: one node, two interfaces.
  sys.UsbDevice("pci0000:00/0000:00:14.0/usb1/1-6", "248a", "0110");
  sys.Node(6, "pci0000:00/0000:00:14.0/usb1/1-6/1-6:1.2", "0003:248A:6675.0007", Uevent("0003:0000248A:00006675"),
           kStatusAndCommandDescriptor);
  // Another vendor's keyboard is listed too; discovery decides what it is.
  sys.UsbDevice("pci0000:00/0000:00:14.0/usb1/1-3", "046d", "2201");
  sys.Node(10, "pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0", "0003:046D:C31C.0004", Uevent("0003:0000046D:0000C31C"),
           kInputDescriptor);
  // No uevent: cannot be identified, left out. Garbage descriptor: listed, lengths 0.
  sys.Node(3, "virtual/misc/uhid", "0003:248A:6675.0005", "", kFeatureDescriptor);
  sys.Node(4, "virtual/misc/uhid", "0006:248A:6675.0006", Uevent("0006:0000248A:00006675"), "\x85\x00\x81");

  const auto list = EnumerateHidraw(sys.root(), "/dev");
  struct Row {
    std::string path;
    std::uint16_t vendor, product, version, input, feature;
  };
  const std::vector<Row> expected = {
      {"/dev/hidraw0", 0x248A, 0x6674, 0x0107, 32, 0},
      {"/dev/hidraw1", 0x248A, 0x6674, 0x0107, 0, 32},
      {"/dev/hidraw2", 0x248A, 0x6673, 0, 0, 32},
      {"/dev/hidraw4", 0x248A, 0x6675, 0, 0, 0},
      {"/dev/hidraw6", 0x248A, 0x6675, 0x0110, 32, 0},
      {"/dev/hidraw6", 0x248A, 0x6675, 0x0110, 0, 32},
      {"/dev/hidraw10", 0x046D, 0xC31C, 0x2201, 32, 0},
  };
  ASSERT_EQ(list.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& e = expected[i];
    EXPECT_EQ(list[i].path, e.path);
    EXPECT_EQ(list[i].vendor, e.vendor) << e.path;
    EXPECT_EQ(list[i].product, e.product) << e.path;
    EXPECT_EQ(list[i].version, e.version) << e.path;
    EXPECT_EQ(list[i].inputReportLength, e.input) << e.path;
    EXPECT_EQ(list[i].featureReportLength, e.feature) << e.path;
  }
}

TEST(HidrawEnumeration, UsbVersionNeedsTheDevicesOwnAttributes) {
  FakeSysfs sys;
  // bcdDevice unreadable as a number, and a USB parent of another vendor.
  sys.UsbDevice("usb1/1-1", "248a", "zz");
  sys.Node(0, "usb1/1-1/1-1:1.0", "0003:248A:6674.0001", Uevent("0003:0000248A:00006674"), kFeatureDescriptor);
  sys.UsbDevice("usb1/1-4", "1234", "0200");
  sys.Node(1, "usb1/1-4/1-4:1.0", "0003:248A:6674.0002", Uevent("0003:0000248A:00006674"), kFeatureDescriptor);
  const auto list = EnumerateHidraw(sys.root(), "/dev");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].version, 0);
  EXPECT_EQ(list[1].version, 0);
}

TEST(HidrawEnumeration, MissingOrEmptyClassFolder) {
  EXPECT_TRUE(EnumerateHidraw("/nonexistent/corvane/sys", "/dev").empty());
  FakeSysfs sys;
  EXPECT_TRUE(EnumerateHidraw(sys.root(), "/dev").empty());
  // Names that are not hidraw nodes and a dangling device link are skipped.
  fs::create_directories(sys.root() / "class" / "hidraw" / "hidrawX");
  fs::create_directories(sys.root() / "class" / "hidraw" / "hidraw7");
  fs::create_directory_symlink("../nowhere", sys.root() / "class" / "hidraw" / "hidraw7" / "device");
  EXPECT_TRUE(EnumerateHidraw(sys.root(), "/dev").empty());
}

TEST(HidrawEnumeration, ParsesHidIdLine) {
  struct Case {
    const char* uevent;
    bool ok;
    std::uint16_t bus, vendor, product;
  };
  const std::vector<Case> cases = {
      {"DRIVER=hid-generic\nHID_ID=0003:0000248A:00006674\n", true, 3, 0x248A, 0x6674},
      {"HID_ID=0005:0000248a:00006673", true, 5, 0x248A, 0x6673},
      {"HID_NAME=x\n", false, 0, 0, 0},
      {"HID_ID=0003:0000248A\n", false, 0, 0, 0},
      {"HID_ID=0003:0001248A:00006674\n", false, 0, 0, 0},  // vendor beyond 16 bits
      {"HID_ID=0003:0000G48A:00006674\n", false, 0, 0, 0},
      {"HID_ID=0003::00006674\n", false, 0, 0, 0},
      {"XHID_ID=0003:0000248A:00006674\n", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const auto id = ParseHidUevent(c.uevent);
    ASSERT_EQ(id.has_value(), c.ok) << c.uevent;
    if (!id) continue;
    EXPECT_EQ(id->bus, c.bus) << c.uevent;
    EXPECT_EQ(id->vendor, c.vendor) << c.uevent;
    EXPECT_EQ(id->product, c.product) << c.uevent;
  }
}

TEST(HidrawBackend, UsesItsRootsAndFailsCleanlyOnMissingNodes) {
  FakeSysfs sys;
  sys.Node(5, "virtual/misc/uhid", "0003:248A:6674.0001", Uevent("0003:0000248A:00006674"), kFeatureDescriptor);
  HidrawBackend backend(sys.root(), sys.root() / "dev");
  const auto list = backend.Enumerate();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].path, (sys.root() / "dev" / "hidraw5").string());
  // The node file does not exist under the fake /dev.
  EXPECT_EQ(backend.Open(list[0].path), nullptr);
  EXPECT_EQ(backend.Open(""), nullptr);
  HotplugEvent event;
  std::string path;
  EXPECT_EQ(backend.WatchDescriptor(), -1);
  EXPECT_FALSE(backend.PollHotplug(1000, event, path));  // no watch: returns at once
}

}  // namespace
}  // namespace corvane
