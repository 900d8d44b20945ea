// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundPlayer.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A sound server that takes the connection and never answers, as a hung one
// does. Both judgements play their sounds at once (a file that could not be
// played would not call the server at all); the sound system calls the server
// from elsewhere and is still waiting for it while this thread, the window's,
// goes on with its events. (A program of its own: the sound system
// reads the server's address once per process.)
TEST(HostileAudio, AServerThatNeverAnswersHoldsNoJudgement)
{
    QTemporaryDir dir;
    const QByteArray address = QFile::encodeName(dir.filePath(QStringLiteral("pulse")));
    const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un name{AF_UNIX, {}};
    std::strncpy(name.sun_path, address.constData(), sizeof name.sun_path - 1);
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&name), sizeof name), 0);
    ASSERT_EQ(listen(server, 16), 0);
    qputenv("PULSE_SERVER", "unix:" + address);

    ScratchAssetDirectory scratch;
    for (const char* judged : {"batu1.wav", "maru1.wav"})
        PlaySoundFile(judged);

    int client = -1;
    for (const QDeadlineTimer patience(20000); client < 0 && !patience.hasExpired(); usleep(1000)) {
        QCoreApplication::processEvents();
        client = accept(server, nullptr, nullptr);
    }
    ASSERT_GE(client, 0) << "the sound system never called";
    // Whatever it sent is read; had it given up, the next read would find
    // the connection closed.
    char bytes[4096];
    while (recv(client, bytes, sizeof bytes, MSG_DONTWAIT) > 0) {
    }
    EXPECT_TRUE(recv(client, bytes, sizeof bytes, MSG_DONTWAIT) < 0 && errno == EAGAIN)
        << "the judgements waited until the sound system gave up";
    close(client);
    close(server);
}

} // namespace
