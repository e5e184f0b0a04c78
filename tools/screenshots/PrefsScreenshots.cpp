#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "prefs/InterfaceScheme.h"
#include "prefs/InterfaceStyler.h"
#include "prefs/LeaveNoteDialog.h"
#include "prefs/PhotoZoomWindow.h"
#include "prefs/UiStyleWindow.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

// A main-window-like sample: every kind of control the schemes restyle.
class SampleWindow : public QMainWindow
{
public:
    SampleWindow()
    {
        setWindowTitle(u"校务管理系统 v3.0"_s);
        const QStringList menus {
            u"校务管理"_s, u"班务管理"_s, u"教员管理"_s, u"评测管理"_s, u"工资管理"_s, u"资料列表"_s, u"历史资料"_s};
        for (const QString& title : menus)
            menuBar()->addMenu(title)->addAction(u"查看学生资料"_s);
        tools = menuBar()->addMenu(u"常用工具"_s);
        tools->addAction(u"编辑课程表"_s);
        tools->addAction(u"设置界面风格"_s);
        tools->addAction(u"记事本"_s);
        tools->addAction(u"计算器"_s)->setEnabled(false);
        tools->addSeparator();
        music = tools->addMenu(u"背景音乐"_s);
        for (const QString& item : {u"背景音乐一"_s, u"背景音乐二"_s, u"其它音乐"_s}) {
            QAction* action = music->addAction(item);
            action->setCheckable(true);
            action->setChecked(item == u"背景音乐一"_s);
        }
        music->addAction(u"关闭音乐"_s);
        menuBar()->addMenu(u"帮助"_s)->addAction(u"使用手册"_s);

        QToolBar* bar = addToolBar(u"工具条1"_s);
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        const QList<QPair<QStyle::StandardPixmap, QString>> buttons {{QStyle::SP_DirHomeIcon, u"返回主界面"_s},
            {QStyle::SP_FileDialogDetailedView, u"查看学生资料"_s}, {QStyle::SP_DialogSaveButton, u"打印预览"_s},
            {QStyle::SP_MediaPlay, u"背景音乐"_s}};
        for (const auto& [icon, text] : buttons)
            bar->addAction(style()->standardIcon(icon), text);
        bar->addSeparator();
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowLeft), u"上一条记录"_s)->setEnabled(false);
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowRight), u"下一条记录"_s);

        auto* tabs = new QTabWidget;
        auto* page = new QWidget;
        tabs->addTab(page, u"学生资料"_s);
        tabs->addTab(new QWidget, u"成绩表"_s);
        tabs->addTab(new QWidget, u"教员档案"_s);
        tabs->setTabEnabled(2, false);

        auto* names = new QListWidget;
        names->addItems({u"王小明"_s, u"李华"_s, u"张晓燕"_s, u"赵刚"_s, u"陈静"_s, u"刘洋"_s});
        names->setCurrentRow(2);
        names->setMaximumWidth(150);

        auto* record = new QGroupBox(u"学生资料"_s);
        auto* form = new QFormLayout(record);
        auto* classes = new QComboBox;
        classes->addItems({u"3年级2班"_s, u"初中1年级4班"_s});
        form->addRow(u"所在班级："_s, classes);
        form->addRow(u"姓名："_s, new QLineEdit(u"张晓燕"_s));
        auto* number = new QLineEdit(u"20050117"_s);
        number->setEnabled(false);
        form->addRow(u"学号："_s, number);
        auto* sex = new QHBoxLayout;
        auto* girl = new QRadioButton(u"女"_s);
        girl->setChecked(true);
        sex->addWidget(new QRadioButton(u"男"_s));
        sex->addWidget(girl);
        auto* member = new QCheckBox(u"少先队员"_s);
        member->setChecked(true);
        sex->addWidget(member);
        sex->addStretch();
        form->addRow(u"性别："_s, sex);

        auto* actions = new QHBoxLayout;
        auto* save = new QPushButton(u"保存数据"_s);
        save->setDefault(true);
        auto* remove = new QPushButton(u"删除照片"_s);
        remove->setEnabled(false);
        actions->addStretch();
        actions->addWidget(save);
        actions->addWidget(remove);
        actions->addWidget(new QPushButton(u"退 出"_s));

        auto* progress = new QProgressBar;
        progress->setValue(62);

        auto* right = new QVBoxLayout;
        right->addWidget(record);
        right->addWidget(progress);
        right->addStretch();
        right->addLayout(actions);
        auto* layout = new QHBoxLayout(page);
        layout->addWidget(names);
        layout->addLayout(right);
        setCentralWidget(tabs);

        statusBar()->addWidget(new QLabel(u"  当前系统管理员："_s));
        statusBar()->addWidget(new QLabel(u"内部管理员"_s));
        statusBar()->addWidget(new QLabel(u"    当前状态：查看在校学生资料"_s), 1);
        resize(860, 440);
    }

    QMenu* tools;
    QMenu* music;
};

QByteArray samplePhoto()
{
    QImage image(300, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(120, 170, 220));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 110));
    QPainterPath shoulders;
    shoulders.addRoundedRect(QRectF(40, 270, 220, 200), 90, 90);
    p.drawPath(shoulders);
    p.setBrush(QColor(240, 200, 170));
    p.drawEllipse(QRectF(95, 110, 110, 140));
    p.setBrush(QColor(35, 30, 30));
    p.drawChord(QRectF(90, 100, 120, 110), 0, 180 * 16);
    p.end();
    return ScreenshotKit::jpeg(image);
}

bool save(const QString& dir, const QString& name, QRect area)
{
    const QPixmap shot
        = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return shot.save(QDir(dir).filePath(name));
}

} // namespace

// The interface styles on a sample window, and the small windows of the preferences.
class PrefsScreenshots : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        QVERIFY(!m_dir.isEmpty());
    }

    // Menus are grabbed from the screen, which the offscreen platform does not have.
    void init()
    {
        if (QGuiApplication::platformName() == u"offscreen"_s)
            QSKIP("run under xvfb with QT_QPA_PLATFORM=xcb");
        ScreenshotKit::useProgramFont();
    }

    void cleanupTestCase() { InterfaceStyler::apply(0); }

    void styles()
    {
        const QStringList files {u"prefs-style-default.png"_s, u"prefs-style-blue.png"_s, u"prefs-style-green.png"_s,
            u"prefs-style-silver.png"_s};
        for (int style = 0; style < 4; ++style) {
            InterfaceStyler::apply(style);
            SampleWindow window;
            window.move(20, 20);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The submenu open over the window shows menus, ticks, disabled items and selection at once.
            window.menuBar()->setActiveAction(window.tools->menuAction());
            QTest::qWait(200);
            window.tools->setActiveAction(window.music->menuAction());
            window.music->popup(window.tools->geometry().topRight() + QPoint(0, 100));
            window.music->setActiveAction(window.music->actions().at(1));
            QTest::qWait(300);
            QVERIFY(save(m_dir, files[style], window.frameGeometry()));
            window.music->close();
            window.tools->close();
        }
    }

    void windows()
    {
        InterfaceStyler::apply(1);
        FakeServices f;
        AppSettings settings(f.paths.settingsFile());
        settings.setInterfaceStyle(1);
        UiStyleWindow styleWindow(settings);
        styleWindow.move(20, 20);
        styleWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&styleWindow));
        QTest::qWait(200);
        QVERIFY(save(m_dir, u"prefs-uistylewindow.png"_s, styleWindow.frameGeometry()));
        styleWindow.close();
        InterfaceStyler::apply(0);

        PhotoZoomWindow zoom(samplePhoto());
        zoom.move(20, 20);
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        QTest::qWait(200);
        QVERIFY(save(m_dir, u"prefs-photozoom.png"_s, zoom.frameGeometry()));
        zoom.close();

        LeaveNoteDialog note(u"    张晓燕同学已于2006年3月1日离开本校\r\n\r\n    离开本校的原因是：随父母迁居外地"_s);
        note.move(20, 20);
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        QTest::qWait(200);
        QVERIFY(save(m_dir, u"prefs-leavenote.png"_s, note.frameGeometry()));
    }
};

XIAOWU_TEST(PrefsScreenshots)
#include "PrefsScreenshots.moc"
