#include "AudioIndicator.h"

void TAudioIndicator::SetMuted(bool muted)
{
    m_picture = muted ? MutedPicture : QuietPicture;
}

int TAudioIndicator::Step()
{
    if (m_picture == MutedPicture)
        return m_picture;
    if (m_picture >= LoudestPicture)
        m_direction = -1;
    else if (m_picture <= QuietPicture)
        m_direction = 1;
    m_picture += m_direction;
    return m_picture;
}
