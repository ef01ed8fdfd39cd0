#pragma once

#include <QString>

class QMainWindow;
class QMenu;
class QToolBar;

// The menus, actions and tool bar of the main window, built from tables:
// object names, texts, icon texts, status tips and icons.
namespace MainWindowActions {

// Creates every action as a child of the window, named so that the form's
// setupUi, which connects slots by name, finds them: call it before setupUi.
void createActions(QMainWindow* window);
// Builds the menus and fills the tool bar with the actions.
void buildMenus(QMainWindow* window, QToolBar* toolBar);
// Sets every text again from the current translation.
void retranslate(QMainWindow* window);

} // namespace MainWindowActions
