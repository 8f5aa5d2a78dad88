// One running program per user: a second start hands the first its message and ends; a
// socket file left by a program that crashed does not keep the next one from starting.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "platform/SingleInstance.h"

namespace corvane::testing {
namespace {

QString UniqueKey() { return QStringLiteral("test ") + QUuid::createUuid().toString(QUuid::Id128); }

TEST(SingleInstanceTest, SecondStartDeliversItsMessageToTheFirst) {
  const QString key = UniqueKey();
  SingleInstance first(key);
  ASSERT_EQ(first.Claim(2999), SingleInstance::Role::First);
  QSignalSpy received(&first, &SingleInstance::MessageReceived);
  // The second start, as another process would: it only needs the kernel to take its
  // connection and its line, so it may finish before the first one reads.
  SingleInstance::Role second = SingleInstance::Role::Failed;
  std::thread other([&] {
    SingleInstance instance(key);
    second = instance.Claim(2999);
  });
  other.join();
  QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 2000);
  EXPECT_EQ(second, SingleInstance::Role::Second);
  EXPECT_EQ(received.at(0).at(0).toInt(), 2999);
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

TEST(SingleInstanceTest, NamesDifferByUser) {
  const QString name = SingleInstance::SocketName(QStringLiteral("20210610 Mouse 33XX"));
  EXPECT_TRUE(name.endsWith(QString::number(getuid())));
  EXPECT_FALSE(name.contains(QLatin1Char(' ')));
}

}  // namespace
}  // namespace corvane::testing
