// The private server runs in the foreground as the test's child and says when it is ready.
#include "private_sound_server.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTest>

namespace kestrins::testing {

namespace {

constexpr char Sink[] = "kestrins_test";
constexpr int StartMs = 10000;

}  // namespace

PrivateSoundServer::PrivateSoundServer() {
    const QString path = folder_.path();
    QFile config(path + QStringLiteral("/client.conf"));
    config.open(QIODevice::WriteOnly);
    config.write("autospawn = no\n");
    config.close();
    for (const auto& [name, value] :
         {std::pair{"PULSE_SERVER", QByteArray("unix:") + path.toLocal8Bit() + "/native"},
          std::pair{"PULSE_COOKIE", path.toLocal8Bit() + "/cookie"},
          std::pair{"PULSE_CLIENTCONFIG", config.fileName().toLocal8Bit()}}) {
        previous_.emplace_back(name, qgetenv(name));
        qputenv(name, value);
    }
    // The server keeps its runtime, state and cookie in the folder too, never in a home.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"}) {
        environment.insert(QString::fromLatin1(name), path);
    }
    server_.setProcessEnvironment(environment);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    recorder_.setStandardOutputFile(path + QStringLiteral("/recording.raw"));
}

PrivateSoundServer::~PrivateSoundServer() {
    StopRecording();
    Stop();
    for (const auto& [name, value] : previous_) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
}

bool PrivateSoundServer::Start() {
    const QString path = folder_.path();
    // --exit-idle-time: a server left behind by a test that died goes by itself.
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=20"), QStringLiteral("--disable-shm=yes"),
                   QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=info"),
                   QStringLiteral("-L"),
                   QStringLiteral("module-null-sink sink_name=%1").arg(QLatin1String(Sink)),
                   QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1/native")
                       .arg(path)});
    QByteArray said;
    while (server_.waitForReadyRead(StartMs)) {
        said += server_.readAll();
        if (said.contains("Daemon startup complete.")) {
            return true;
        }
    }
    ADD_FAILURE() << "pulseaudio did not start:\n" << said.toStdString();
    return false;
}

void PrivateSoundServer::Stop() {
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        server_.waitForFinished(StartMs);
    }
}

bool PrivateSoundServer::StartRecording() {
    recorder_.start(
        QStringLiteral("parec"),
        {QStringLiteral("--raw"), QStringLiteral("--device=%1.monitor").arg(QLatin1String(Sink)),
         QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
         QStringLiteral("--rate=%1").arg(RecordRate), QStringLiteral("--latency-msec=10")});
    if (!recorder_.waitForStarted(StartMs)) {
        return false;
    }
    // The monitor gives silence from the start: once some has come, the recording runs.
    const QString file = folder_.path() + QStringLiteral("/recording.raw");
    for (int wait = 0; wait < 100 && QFile(file).size() == 0; ++wait) {
        QTest::qWait(50);
    }
    return QFile(file).size() > 0;
}

std::vector<int16_t> PrivateSoundServer::StopRecording() {
    if (recorder_.state() == QProcess::NotRunning) {
        return {};
    }
    recorder_.terminate();
    recorder_.waitForFinished(StartMs);
    QFile file(folder_.path() + QStringLiteral("/recording.raw"));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::vector<int16_t> samples(static_cast<std::size_t>(bytes.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                          static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    }
    file.remove();
    return samples;
}

}  // namespace kestrins::testing
