#pragma once
#include <QString>
#include <utility>

// What a decoder hands back: the picture, or the reason it could not be read.
template <typename Picture>
struct TDecoded
{
    Picture Value{};
    QString Error; // empty on success

    bool Ok() const { return Error.isEmpty(); }

    static TDecoded Success(Picture value) { return {std::move(value), {}}; }
    static TDecoded Failure(const QString &reason) { return {Picture{}, reason}; }
};

// The operator's message for a picture that cannot be used: "Invalid picture"
// followed by the decoder's reason.
inline QString InvalidPictureMessage(const QString &reason)
{
    return reason.isEmpty() ? QStringLiteral("Invalid picture")
                            : QStringLiteral("Invalid picture: %1").arg(reason);
}
