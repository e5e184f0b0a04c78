#pragma once

#include "grades/ScoreSheetPage.h"
#include "workspace/PageFrame.h"
#include "workspace/Workspace.h"

#include <memory>

// Page 4 in a frame of its own with the main window's names, shown at 1024 × 700; the frame owns it.
inline ScoreSheetPage* showScoreSheet(Workspace& ws, std::unique_ptr<PageFrame>& frame)
{
    frame = std::make_unique<PageFrame>(Page::ScoreSheet,
        PageFrame::Names {QStringLiteral(u"成绩表外形框1"), QStringLiteral(u"成绩表标题标签"),
            QStringLiteral(u"成绩表外形框2"), QStringLiteral(u"成绩表底座")},
        QStringLiteral(u"学生成绩表"));
    auto* page = new ScoreSheetPage(ws, *frame);
    frame->setView(page);
    frame->resize(1024, 700);
    frame->show();
    return page;
}
