// recordingnotes.h - what a recording's notes (SessionLog) tell its replay: the camera's exposure
// and gain at each instant of the recording, and how long the recording may go without a frame.
//
// Notes from before the camera's changes were noted give the values at the start all along; a
// recording without notes gives nothing, and the window keeps its own presets.
#ifndef RECORDINGNOTES_H
#define RECORDINGNOTES_H

#include <QString>
#include <optional>
#include <vector>

class RecordingNotes
{
public:
    struct Camera
    {
        double exposureUs = 0;
        int gain = 0;
        bool operator==(const Camera &other) const
        {
            return exposureUs == other.exposureUs && gain == other.gain;
        }
    };

    // The notes beside the recording at recordingPath (SessionLog::notesPath); false, with the
    // reason, when they cannot be read.
    bool read(const QString &recordingPath, QString *problem);

    // In force at utcSeconds (the recording's clock); before the first change, the start's.
    std::optional<Camera> cameraAt(double utcSeconds) const;
    // The longest wait between two recorded frames while nothing happened; 0 for every frame kept.
    double quietIntervalS() const { return m_quietIntervalS; }

private:
    struct Change
    {
        double utcSeconds;
        Camera camera;
    };
    std::vector<Change> m_changes; // by time, the start's first
    double m_quietIntervalS = 0;
};

#endif // RECORDINGNOTES_H
