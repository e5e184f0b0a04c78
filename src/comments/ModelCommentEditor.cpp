#include "comments/ModelCommentEditor.h"

#include "records/GrowthLineLimit.h"
#include "platform/Prompt.h"
#include "records/LongTextLimit.h"
#include "text/GbText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ModelCommentEditor::ModelCommentEditor(Mode mode, const QString& text, Prompt& prompt, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"ModelCommentEditor"_s);
    setWindowTitle(u"编辑评语范例"_s);
    分组框1 = new QGroupBox(mode == Mode::Add ? u"添加评语范例"_s : u"修改评语范例"_s);
    分组框1->setObjectName(u"分组框1"_s);
    编辑框1 = new QPlainTextEdit;
    编辑框1->setObjectName(u"编辑框1"_s);
    按钮1 = new QPushButton(u"确 定"_s);
    按钮1->setObjectName(u"按钮1"_s);
    按钮2 = new QPushButton(u"取 消"_s);
    按钮2->setObjectName(u"按钮2"_s);
    for (QPushButton* b : {按钮1, 按钮2})
        b->setAutoDefault(false);

    auto* inner = new QVBoxLayout(分组框1);
    inner->addWidget(编辑框1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(按钮1);
    buttons->addWidget(按钮2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(分组框1, 1);
    layout->addLayout(buttons);
    resize(560, 400);

    m_limit = new GrowthLineLimit(
        *编辑框1, LongTextLimit::TermCommentLines, [&prompt] { prompt.show(u"评语最多输入14行内容！"_s); });
    m_limit->load(text);
    connect(按钮1, &QPushButton::clicked, this, &QDialog::accept);
    connect(按钮2, &QPushButton::clicked, this, &QDialog::reject);
}

QString ModelCommentEditor::text() const
{
    return GbText::trimBlanks(编辑框1->toPlainText());
}

void ModelCommentEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    编辑框1->setFocus();
    编辑框1->moveCursor(QTextCursor::End);
}
