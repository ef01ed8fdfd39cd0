#pragma once

#include <QByteArray>
#include <QString>

class CLedProject;

// The checks an image passes before it is downloaded, simulated or written
// for the batch tool. The GUI shows the message in a box, segmo-cli on stderr.
constexpr int kImageCapacity = 4000;

enum class ImageCheck
{
    Ok,
    Empty,
    TooLarge
};

ImageCheck checkImage(const QByteArray& image);

// The user's message for a refused image (Chinese source text, translated
// through the "CompileCheck" context); empty for Ok.
QString imageCheckMessage(ImageCheck check);

// Builds the project's image into `out` and checks it.
ImageCheck compileImage(CLedProject& project, QByteArray& out);
