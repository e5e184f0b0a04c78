#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/ModalGuard.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "promotion/ClassRenameDialog.h"
#include "promotion/GraduationWizard.h"
#include "promotion/PromotionCommands.h"
#include "records/DateBox.h"
#include "records/StatusChangeDialog.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct PromotionBench
{
    StudentsFixture data;
    Workbench bench {data.db};
    FakePrompt& prompt = bench.desk.prompt;
    PromotionCommands commands {bench.ws};
    QString backup = bench.desk.paths.backupDir() + u"/006.xsk"_s;

    // Pupils by class, to see that nothing moved.
    QString pupils()
    {
        QStringList list;
        auto rows = data.db.query(u"select 所在班级, 学号 from 学籍表 order by 学号"_s);
        for (rows->first(); !rows->pastLast(); rows->next())
            list << rows->text(1) + u':' + rows->text(2);
        return list.join(u',') + u" / "_s + QString::number(data.count(u"班级表"_s));
    }

    QByteArray file(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

template<typename T>
void whenModal(const std::function<void(T*)>& handle)
{
    QTimer::singleShot(0, [handle] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(window);
        ModalGuard::answering(window);
        handle(window);
        if (window->isVisible())
            window->reject();
    });
}

} // namespace

class TestPromotionCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardRunAndTheQuestionAfter()
    {
        ModalGuard guard;
        PromotionBench b;
        for (const QString& name : {u"5年级1班"_s, u"6年级1班"_s}) {
            QVERIFY(b.data.addClass(name, u"师"_s));
            QVERIFY(b.data.addPupil(b.data.pupil(b.data.count(u"学籍表"_s) + 1, u"生"_s, name)));
        }
        whenModal<StatusChangeDialog>([&](StatusChangeDialog* d) {
            QCOMPARE(d->windowTitle(), u"学生升级毕业"_s);
            QVERIFY(d->备份选择框->isChecked());
            d->毕业日期框->setDate(QDate(2026, 7, 10));
            d->毕业确定钮->click();
            QVERIFY(!d->isVisible());
        });
        b.commands.standard();
        QCOMPARE(b.prompt.texts(), QStringList {u"    完成毕业升级操作！　　"_s});
        QCOMPARE(b.pupils(), u"6年级1班:1 / 1"_s);
        QCOMPARE(b.bench.settings.standardGraduationDate(), u"2026年9月1日"_s);
        QVERIFY(QFile::exists(b.backup));
        QCOMPARE(b.bench.shell.homePageCalls, 1);

        // Again the same day: asked, and No leaves it there.
        b.prompt.clear();
        b.prompt.answerNext(Prompt::Answer::No);
        b.commands.standard();
        QCOMPARE(b.prompt.boxes().size(), 1);
        QCOMPARE(b.prompt.boxes()[0].text,
            u"  在2026年9月1日已经进行了通用班级的毕业升级操作！现在还要进行毕业升级操作吗？   "_s);
        QCOMPARE(b.prompt.boxes()[0].title, u"询问"_s);
        QCOMPARE(b.pupils(), u"6年级1班:1 / 1"_s);
        QCOMPARE(b.bench.shell.homePageCalls, 2);
    }

    // A refused run leaves the database, the settings file and the old backup as they were.
    void standardRunRefused_data()
    {
        addColumns<bool, QStringList>({"blockBackup", "texts"});
        QTest::newRow("name taken") << false << QStringList {u"2年级1班已经存在！"_s};
        QTest::newRow("backup fails, No") << true << QStringList {u"  备份数据失败！是否继续进行毕业升级操作？  "_s};
    }

    void standardRunRefused()
    {
        QFETCH(bool, blockBackup);
        QFETCH(QStringList, texts);
        ModalGuard guard;
        PromotionBench b;
        QVERIFY(b.data.addClass(u"1年级1班"_s, u"师"_s));
        QVERIFY(b.data.addPupil(b.data.pupil(1, u"生"_s, u"1年级1班"_s)));
        if (!blockBackup) {
            QVERIFY(b.data.addClass(u"2年级1班"_s, u"师"_s));
            QVERIFY(b.data.db.execute(u"update 班级表 set 班级分类='自设' where 所在班级='2年级1班'"_s));
        }
        QVERIFY(b.bench.settings.setCustomGraduationDate(u"2020年1月1日"_s));
        QVERIFY(QDir().mkpath(b.bench.desk.paths.backupDir()));
        QFile old(b.backup);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old backup") > 0);
        old.close();
        if (blockBackup)
            QVERIFY(QDir().mkpath(b.backup + u".part/blocked"_s));
        const QString before = b.pupils();
        const QByteArray settings = b.file(b.bench.desk.paths.settingsFile());

        b.prompt.answerNext(Prompt::Answer::No);
        whenModal<StatusChangeDialog>([&](StatusChangeDialog* d) {
            d->备份选择框->setChecked(blockBackup);
            d->毕业确定钮->click();
        });
        b.commands.standard();
        QCOMPARE(b.prompt.texts(), texts);
        QCOMPARE(b.pupils(), before);
        QCOMPARE(b.file(b.bench.desk.paths.settingsFile()), settings);
        QCOMPARE(b.file(b.backup), QByteArray("old backup"));
        QCOMPARE(b.bench.shell.homePageCalls, 1);
    }

    // Page by page: tick one class to graduate, rename two of the rest as a chain, run.
    void customWizard()
    {
        ModalGuard guard;
        PromotionBench b;
        int number = 0;
        for (const QString& name : {u"甲班"_s, u"乙班"_s, u"丙班"_s, u"丁班"_s}) {
            QVERIFY(b.data.addClass(name, u"师"_s));
            QVERIFY(b.data.db.execute(u"update 班级表 set 班级分类='自设' where 所在班级=?"_s, {name}));
            QVERIFY(b.data.addPupil(b.data.pupil(++number, u"生"_s, name)));
        }
        whenModal<GraduationWizard>([&](GraduationWizard* w) {
            QVERIFY(w->备份选择框->isChecked());
            w->备份选择框->setChecked(false);
            w->开始执行钮->click(); // page 3 not reached: nothing to run
            w->选择毕业班列表框->item(2)->setCheckState(Qt::Checked);
            w->下一步钮0->click();
            QCOMPARE(w->毕业班级列表->topLevelItemCount(), 1);
            QCOMPARE(w->选择升级班列表框->topLevelItemCount(), 3);
            auto rename = [&](int row, const QString& typed, const QStringList& messages) {
                whenModal<ClassRenameDialog>([&](ClassRenameDialog* d) {
                    QCOMPARE(d->windowTitle(), u"升级班级"_s);
                    QCOMPARE(d->升级后班名编辑框->selectedText(), d->升级前班名标签->text());
                    d->升级后班名编辑框->setText(u"  　"_s);
                    d->确定按钮->click();
                    d->升级后班名编辑框->setText(typed);
                    d->确定按钮->click();
                });
                b.prompt.clear();
                emit w->选择升级班列表框->itemActivated(w->选择升级班列表框->topLevelItem(row), 0);
                QCOMPARE(b.prompt.texts(), messages);
            };
            rename(0, u"乙 班"_s, {u"请输入升级后的班级名称！"_s});
            rename(1, u"丙班"_s, {u"请输入升级后的班级名称！"_s});
            w->下一步钮1->click();
            QCOMPARE(w->升级班级列表->topLevelItemCount(), 2);
            QCOMPARE(w->升级班级列表->topLevelItem(0)->text(1), u"乙班"_s);
            b.prompt.clear();
            w->开始执行钮->click();
            QCOMPARE(b.prompt.texts(), QStringList {u"    完成自设班级的毕业升级操作！　　"_s});
            QVERIFY(!w->isVisible());
        });
        b.prompt.clear();
        b.commands.custom();
        QCOMPARE(b.pupils(), u"乙班:1,丙班:2,丁班:4 / 3"_s);
        QCOMPARE(b.bench.settings.customGraduationDate(), u"2026年9月1日"_s);
        QVERIFY(!QFile::exists(b.backup));
        QCOMPARE(b.bench.shell.homePageCalls, 1);
    }
};

XIAOWU_TEST(TestPromotionCommands)
#include "TestPromotionCommands.moc"
