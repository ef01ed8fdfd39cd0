#include "project/CompileCheck.h"

#include "project/CLedProject.h"

#include <QCoreApplication>

ImageCheck checkImage(const QByteArray& image)
{
    if (image.isEmpty())
        return ImageCheck::Empty;
    if (image.size() >= kImageCapacity)
        return ImageCheck::TooLarge;
    return ImageCheck::Ok;
}

QString imageCheckMessage(ImageCheck check)
{
    switch (check) {
    case ImageCheck::Ok:
        return QString();
    case ImageCheck::Empty:
        return QCoreApplication::translate("CompileCheck", "编译工程失败！");
    case ImageCheck::TooLarge:
        return QCoreApplication::translate("CompileCheck", "工程数据超过最大容量: %1 字节！")
            .arg(kImageCapacity);
    }
    return QString();
}

ImageCheck compileImage(CLedProject& project, QByteArray& out)
{
    out = project.buildImage();
    return checkImage(out);
}
