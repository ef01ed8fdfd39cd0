#pragma once

#include <QObject>
#include <functional>

class CLedProject;
class QComboBox;
class QCheckBox;
class QTableWidgetItem;
class QWidget;
namespace Ui {
class MainWindow;
}

// The main window's page editing area: the page table, the property panel,
// the preview and the range tips. Every edit is written into the project at
// once; while the editor fills widgets from the project it writes nothing.
class PageEditor : public QObject
{
    Q_OBJECT

public:
    PageEditor(Ui::MainWindow& ui, QWidget* window, std::function<void(bool)> setModified);

    void setProject(CLedProject* project) { m_project = project; }
    int currentPage() const { return m_curPage; }
    int currentColumn() const { return m_curColumn; }
    void setCurrent(int page, int column);
    bool isFilling() const { return m_filling; }
    void setFilling(bool filling) { m_filling = filling; }

    void setUp();
    // Sets the table's column titles again from the current translation.
    void retranslate();
    void rebuildPageTable(int page);
    void showPage(int page);
    void showPageLamps();
    void fillRegTypes();
    void selectCell(int row, int column);
    void updatePreview();
    void updateRangeTips();
    void clearTable();

    // The edit handlers of the panel (the main window's slots forward here).
    void currentItemChanged(QTableWidgetItem* current);
    void tableDataChanged(int row, int column);
    void describeChanged(const QString& text);
    void paramEdited(const QString& text);
    void paramChanged(const QString& text);
    void totalDigitsChanged(int total);
    void decimalsChanged(int decimals);
    void signedClicked(bool on);
    void leadingZeroClicked(bool on);
    void stationChanged(int value);
    void regTypeChanged(const QString& type);
    void addressChanged(int value);
    void countChanged(int value);
    void settableClicked(bool on);
    void encryptedClicked(bool on);
    void limitClicked(bool on);
    void minChanged(int value);
    void maxChanged(int value);
    void tLampChanged(int n);
    void fLampChanged(int n);
    void keyChanged(int n);
    void tFlickerClicked(bool on);
    void fFlickerClicked(bool on);

private:
    enum class Kind
    {
        TLamp,
        FLamp
    };
    // True when edits may be written: a project is open and nothing is being filled.
    bool editable() const;
    void modified();
    // Writes one change of the current page when edits may be written, then
    // marks the project modified; false when nothing was written.
    bool editPage(const std::function<void()>& change);
    void setLimitWidgetsVisible(bool visible);
    void lampChanged(Kind kind, int n);
    void showLamp(Kind kind);
    // Asks before taking a number that another page holds; false when refused.
    bool confirmTakeOver(const QString& question);

    Ui::MainWindow& ui;
    QWidget* m_window;
    std::function<void(bool)> m_setModified;
    CLedProject* m_project = nullptr;
    int m_curPage = -1;
    int m_curColumn = -1;
    bool m_filling = false;
};
