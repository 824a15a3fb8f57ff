// A PulseAudio server of the test's own: a null sink in a private folder, and a recording of its
// monitor; this process and its children play to it while it lives.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace kestrins::testing {

class PrivateSoundServer {
public:
    // Points the sound clients of this process (and of the processes it starts) at the private
    // server's socket; nothing is started yet.
    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // Starts the server; true once it has said it is ready.
    bool Start();
    // The server goes away, as one that crashes or is stopped.
    void Stop();
    // Records the sink's monitor, one channel at RecordRate, into a file; true once it runs.
    bool StartRecording();
    // Ends the recording and returns its samples.
    std::vector<int16_t> StopRecording();

    static constexpr int RecordRate = 44100;

private:
    QTemporaryDir folder_;
    QProcess server_;
    QProcess recorder_;
    // PULSE_SERVER, PULSE_COOKIE and PULSE_CLIENTCONFIG as they were.
    std::vector<std::pair<const char*, QByteArray>> previous_;
};

}  // namespace kestrins::testing
