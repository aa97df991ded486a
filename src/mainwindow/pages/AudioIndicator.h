#pragma once
// The status bar's audio indicator: while the sound is on, a loudspeaker
// whose waves come and go (pictures 43 to 46 and back, one step per 250 ms
// tick); muted, the crossed-out loudspeaker (picture 42) standing still.

class TAudioIndicator
{
public:
    static constexpr int MutedPicture = 42;
    static constexpr int QuietPicture = 43;
    static constexpr int LoudestPicture = 46;

    // The mute state the device reports: it restarts the animation from the
    // quiet picture, or stops it on the muted one.
    void SetMuted(bool muted);
    // One tick: the next picture number, or the muted one again.
    int Step();
    int Picture() const { return m_picture; }

private:
    int m_picture = MutedPicture;
    int m_direction = 1;
};
