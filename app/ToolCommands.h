#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QProcess>
#include <functional>

class QAction;
class QMainWindow;

// The tools and help commands of the main window: the update check and the
// about box (through ZtVersion.dll), the manuals and the web site, the
// programs beside Segmo (software centre, USB driver installer, the two
// simulators and the batch tool), the two help dialogs and the language
// switch. The window keeps the slots and hands the work to this object.
class ToolCommands : public QObject
{
    Q_OBJECT

public:
    // Builds the open project's panel image; false when it may not be used
    // (the compile message was shown).
    using Compile = std::function<bool(QByteArray&)>;

    enum class ImageTool
    {
        SingleRowSimulator,
        DoubleRowSimulator,
        BatchTool
    };

    // Also makes the two language actions checkable, the current one checked.
    ToolCommands(QMainWindow* window, Compile compile);

    void checkForUpdate();
    void showAboutBox();
    void openHelpManual();
    void openProductManual();
    void openWebSite();
    void startSoftwareCentre();
    void installUsbDriver();
    void startImageTool(ImageTool tool);
    void showPlcErrorHelp();
    void showIoCheckHelp();
    void switchLanguage(int index);
    // After a simulator or the batch tool ended: Batch enabled again and the
    // image files removed.
    void imageToolFinished();

    // The simulators and the batch tool; its finished signal marks their end.
    QProcess& imageToolProcess() { return m_imageTool; }

    // The panel image handed to the simulators and the batch tool.
    static QString imageFilePath();

private:
    QAction* action(const char* name) const;
    // Exactly one of the two language actions is checked: the current one.
    void checkLanguageAction();
    bool writeImageFile(const QByteArray& image) const;
    void imageToolFailed(QProcess::ProcessError error);

    QMainWindow* m_window;
    Compile m_compile;
    QProcess m_imageTool;
    QProcess m_softwareCentre;
};
