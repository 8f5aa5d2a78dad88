// One running program per user: a second start hands the first its message and ends; a
// socket file left by a program that crashed does not keep the next one from starting.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "platform/SingleInstance.h"

namespace corvane::testing {
namespace {

QString UniqueKey() { return QStringLiteral("test ") + QUuid::createUuid().toString(QUuid::Id128); }

TEST(SingleInstanceTest, SecondStartDeliversItsMessageToTheFirst) {
  // The second start comes while the first is still starting (claimed, not yet listening)
  // or once it runs: either way the first one gets the message, once.
  for (const bool listenFirst : {false, true}) {
    SCOPED_TRACE(listenFirst ? "first already listening" : "first still starting");
    const QString key = UniqueKey();
    SingleInstance first(key);
    ASSERT_EQ(first.Claim(2999), SingleInstance::Role::First);
    QSignalSpy received(&first, &SingleInstance::MessageReceived);
    if (listenFirst) first.Listen();
    // The second start, as another process would: it only needs the kernel to take its
    // connection and its line, so it may finish before the first one reads.
    SingleInstance::Role second = SingleInstance::Role::Failed;
    std::thread other([&] {
      SingleInstance instance(key);
      second = instance.Claim(2999);
    });
    other.join();
    EXPECT_EQ(second, SingleInstance::Role::Second);
    QTest::qWait(20);
    if (!listenFirst) {
      EXPECT_EQ(received.size(), 0);
      first.Listen();
    }
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 2000);
    EXPECT_EQ(received.at(0).at(0).toInt(), 2999);
    QTest::qWait(20);
    EXPECT_EQ(received.size(), 1);
  }
}

TEST(SingleInstanceTest, StaleSocketOfACrashedProgramDoesNotBlock) {
  const QString key = UniqueKey();
  const QString name = SingleInstance::SocketName(key);
  // A socket file nobody listens on, as a killed program leaves it.
  const QByteArray path = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof addr.sun_path);
  std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  close(fd);
  ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));

  SingleInstance next(key);
  EXPECT_EQ(next.Claim(2999, 200), SingleInstance::Role::First);
  next.Listen();
  // And it is reachable as the first instance.
  QSignalSpy received(&next, &SingleInstance::MessageReceived);
  SingleInstance::Role later = SingleInstance::Role::Failed;
  std::thread other([&] {
    SingleInstance instance(key);
    later = instance.Claim(2999);
  });
  other.join();
  QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 3000);
  EXPECT_EQ(later, SingleInstance::Role::Second);
}

// Connects to the socket of key as a caller of any kind would, sends the parts (with the
// event loop running between them) and closes when told.
int ConnectRaw(const QString& key) {
  const QByteArray path = QDir(QDir::tempPath()).filePath(SingleInstance::SocketName(key)).toLocal8Bit();
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

TEST(SingleInstanceTest, TakesWholeNumberLinesFromAnyCaller) {
  struct Case {
    const char* name;
    std::vector<std::string> parts;
    bool closes;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"one line", {"2999\n"}, true, {2999}},
      {"split over two writes", {"29", "99\n"}, true, {2999}},
      {"two lines in one caller", {"2999\n1067\n"}, true, {2999, 1067}},
      {"blanks and a carriage return", {" 17 \r\n"}, true, {17}},
      {"no line feed before the end", {"2999"}, true, {}},
      {"garbage and an empty line", {"abc\n\n12x\n99999999999\n"}, true, {}},
      {"a caller that stays open", {"5\n"}, false, {5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString key = UniqueKey();
    SingleInstance first(key);
    ASSERT_EQ(first.Claim(0), SingleInstance::Role::First);
    first.Listen();
    QSignalSpy received(&first, &SingleInstance::MessageReceived);
    const int fd = ConnectRaw(key);
    ASSERT_GE(fd, 0);
    for (const auto& part : c.parts) {
      ASSERT_EQ(write(fd, part.data(), part.size()), static_cast<ssize_t>(part.size()));
      QTest::qWait(20);
    }
    if (c.closes) close(fd);
    QTest::qWait(50);
    std::vector<int> got;
    for (const auto& args : received) got.push_back(args.at(0).toInt());
    EXPECT_EQ(got, c.expected);
    if (!c.closes) close(fd);
  }
}

TEST(SingleInstanceTest, OnlyTheUserMayConnectAndTheSocketGoesWithTheProgram) {
  const QString key = UniqueKey();
  const QString path = QDir(QDir::tempPath()).filePath(SingleInstance::SocketName(key));
  {
    SingleInstance first(key);
    ASSERT_EQ(first.Claim(0), SingleInstance::Role::First);
    struct stat st {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
  }
  EXPECT_FALSE(QFile::exists(path));
}

TEST(SingleInstanceTest, NamesDifferByUser) {
  const QString name = SingleInstance::SocketName(QStringLiteral("20210610 Mouse 33XX"));
  EXPECT_TRUE(name.endsWith(QString::number(getuid())));
  EXPECT_FALSE(name.contains(QLatin1Char(' ')));
}

}  // namespace
}  // namespace corvane::testing
