#pragma once

#include <QObject>

class CommentEntryWindow;
struct Workspace;

// The comment window's pop-up menus 评语菜单 and 范例菜单: entries are edited in place in the
// entry list, model comments in ModelCommentEditor. Every change is written at once.
class CommentLibraryMenus : public QObject
{
    Q_OBJECT

public:
    CommentLibraryMenus(CommentEntryWindow& window, Workspace& ws);

    void modifyEntry();
    void addEntry();
    void deleteEntry();
    void modifyModel();
    void addModel();
    void deleteModel();

private:
    void entryEdited(qint64 number, const QString& text);

    CommentEntryWindow& m_window;
    Workspace& m_ws;
};
