#include "promotion/PromotionCommands.h"

#include "platform/AppPaths.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "promotion/GraduationWizard.h"
#include "records/DateBox.h"
#include "records/StatusChangeDialog.h"
#include "settings/AppSettings.h"
#include "store/DatabaseKind.h"
#include "text/DateText.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

PromotionCommands::PromotionCommands(Workspace& ws)
    : m_ws(ws)
{ }

bool PromotionCommands::askAgain(Kind kind)
{
    const QString stored
        = kind == Kind::Standard ? m_ws.settings.standardGraduationDate() : m_ws.settings.customGraduationDate();
    const std::optional<QDate> last = Promotion::recentRun(stored, m_ws.services.clock.today());
    if (!last)
        return true;
    const QString done = kind == Kind::Standard
        ? u"已经进行了通用班级的毕业升级操作！现在还要进行毕业升级操作吗？   "_s
        : u"已经进行了自设班级的毕业升级操作！现在还要进行毕业升级操作吗？   "_s;
    return m_ws.services.prompt.show(
               u"  在"_s + DateText::format(*last) + done, u"询问"_s, Prompt::Icon::Warning, Prompt::Buttons::YesNo)
        == Prompt::Answer::Yes;
}

void PromotionCommands::standard()
{
    if (askAgain(Kind::Standard)) {
        QList<Promotion::Rename> plan;
        Promotion(m_ws.studentDb).standardPlan(&plan);
        if (plan.isEmpty()) {
            m_ws.services.prompt.show(u"目前没有通用班级数据！"_s, u"提示"_s);
        } else {
            StatusChangeDialog dialog(
                StatusChangeMode::Graduation, m_ws.services.clock.today(), m_ws.shell.ownerWindow());
            dialog.备份选择框->setChecked(true);
            dialog.onConfirm = [this, &dialog, &plan] {
                dialog.毕业确定钮->setEnabled(false);
                dialog.取消钮->setEnabled(false);
                execute(m_ws, Kind::Standard, dialog.毕业日期框->date(), dialog.备份选择框->isChecked(),
                    [&plan](Promotion& promotion, const QString& date) { return promotion.runStandard(plan, date); });
                return true;
            };
            dialog.exec();
        }
    }
    m_ws.shell.showHomePage();
}

void PromotionCommands::custom()
{
    if (askAgain(Kind::Custom)) {
        GraduationWizard wizard(m_ws, m_ws.shell.ownerWindow());
        if (wizard.load())
            wizard.exec();
    }
    m_ws.shell.showHomePage();
}

PromotionCommands::Ending PromotionCommands::execute(Workspace& ws, Kind kind, QDate graduationDate, bool backup,
    const std::function<Promotion::Result(Promotion&, const QString&)>& run)
{
    Prompt& prompt = ws.services.prompt;
    if (backup) {
        const QString live = ws.paths.database(DatabaseKind::Student);
        const QString target = ws.paths.backupDir() + u'/' + QFileInfo(live).fileName();
        QString error;
        if (!Promotion::backup(ws.studentDb, target, &error)) {
            qWarning("backup before promotion failed: %s", qPrintable(error));
            if (prompt.show(u"  备份数据失败！是否继续进行毕业升级操作？  "_s, u"备份数据失败"_s, Prompt::Icon::None,
                    Prompt::Buttons::YesNo)
                != Prompt::Answer::Yes)
                return Ending::Close;
        }
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Promotion promotion(ws.studentDb);
    const Promotion::Result result = run(promotion, DateText::format(graduationDate));
    QGuiApplication::restoreOverrideCursor();
    switch (result.outcome) {
    case Promotion::Result::Outcome::NameTaken:
        prompt.show(result.takenName + u"已经存在！"_s);
        return Ending::Stay;
    case Promotion::Result::Outcome::Failed:
        qWarning("promotion failed: %s", qPrintable(result.error));
        prompt.show(u"学生毕业升级操作失败！"_s);
        return Ending::Close;
    case Promotion::Result::Outcome::Done:
        break;
    }
    const QString today = DateText::format(ws.services.clock.today());
    const bool stored = kind == Kind::Standard ? ws.settings.setStandardGraduationDate(today)
                                               : ws.settings.setCustomGraduationDate(today);
    // The school is promoted either way; only the guard against a second run this year is lost.
    if (!stored)
        prompt.show(
            ws.settings.failure(u"未能在 config.ini 中记下本次毕业升级的日期，本年度再次升级时将不会被拦住！"_s),
            u"警告"_s, Prompt::Icon::Warning);
    prompt.show(kind == Kind::Standard ? u"    完成毕业升级操作！　　"_s : u"    完成自设班级的毕业升级操作！　　"_s);
    return Ending::Close;
}
