#include "EditorFixture.h"
#include "builder/SaveForm.h"
#include "dialogs/AboutForm.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/RGBForm.h"
#include "dialogs/SizeForm.h"
#include "editor/PropertyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QString folderFromEnvironment(const char* name)
{
    return qEnvironmentVariable(name);
}

QString manualFolder()
{
    return folderFromEnvironment("KREMOA_SOURCE_DIR") + QStringLiteral("/docs/manual");
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The manual as a reader sees it: tags removed, the few entities it uses decoded.
QString readableManual()
{
    QString text = QString::fromUtf8(fileBytes(manualFolder() + "/" + HelpViewer::kHelpFileName));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// A caption as the manual writes it: "ファイル(&F)" becomes "ファイル(F)".
QString withoutAccelerator(QString caption)
{
    return caption.remove(u'&');
}

class ManualTest : public EditorFixture {
protected:
    void expectDescribed(const QString& text, const char* where)
    {
        if (!text.trimmed().isEmpty()) {
            EXPECT_TRUE(manual.contains(text)) << where << ": " << text.toStdString();
        }
    }
    // Every caption, label, check box, frame title and list entry of a window.
    void expectWidgetTextsDescribed(const QWidget& window, const char* where)
    {
        expectDescribed(window.windowTitle(), where);
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->pixmap().isNull()) {
                expectDescribed(label->text(), where);
            }
        }
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            expectDescribed(withoutAccelerator(button->text()), where);
        }
        for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
            expectDescribed(frame->title(), where);
        }
        for (const QComboBox* list : window.findChildren<QComboBox*>()) {
            for (int i = 0; i < list->count(); ++i) {
                expectDescribed(list->itemText(i), where);
            }
        }
    }

    const QString manual = readableManual();
};

TEST_F(ManualTest, DescribesEveryMenuAndEveryItem)
{
    ASSERT_FALSE(manual.isEmpty()) << "manual not found under " << manualFolder().toStdString();
    int items = 0;
    for (const QAction* menuAction : form->menuBar()->actions()) {
        expectDescribed(withoutAccelerator(menuAction->text()), "menu");
        for (const QAction* item : menuAction->menu()->actions()) {
            if (!item->isSeparator()) {
                expectDescribed(withoutAccelerator(item->text()), "menu item");
                ++items;
            }
        }
    }
    EXPECT_GT(items, 20);
}

TEST_F(ManualTest, MenuTablesGiveEachItemsShortcut)
{
    const QString html = QString::fromUtf8(fileBytes(manualFolder() + "/Kremoa.html"));
    for (const QAction* menuAction : form->menuBar()->actions()) {
        for (const QAction* item : menuAction->menu()->actions()) {
            if (item->isSeparator()) {
                continue;
            }
            const QString caption = withoutAccelerator(item->text());
            const QString shortcut = item->shortcut().toString(QKeySequence::PortableText);
            const QRegularExpressionMatch row =
                QRegularExpression(QStringLiteral("<tr><td>") +
                                       QRegularExpression::escape(caption) +
                                       QStringLiteral("</td><td[^>]*>(.*?)</td>"),
                                   QRegularExpression::DotMatchesEverythingOption)
                    .match(html);
            if (!row.hasMatch()) {
                EXPECT_TRUE(shortcut.isEmpty()) << "no row for " << caption.toStdString();
            } else if (shortcut.isEmpty()) {
                EXPECT_FALSE(row.captured(1).contains(QStringLiteral("Ctrl+")))
                    << caption.toStdString();
            } else {
                EXPECT_EQ(row.captured(1).trimmed().toStdString(),
                          ("<kbd>" + shortcut + "</kbd>").toStdString())
                    << caption.toStdString();
            }
        }
    }
}

TEST_F(ManualTest, DescribesTheToolbarThePanelAndTheWindowsControls)
{
    int buttons = 0;
    for (const QToolButton* button :
         form->findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^Command\\d+$")))) {
        expectDescribed(button->toolTip(), "toolbar");
        ++buttons;
    }
    EXPECT_EQ(buttons, 10);
    expectDescribed(panel()->title(), "property panel");
    expectWidgetTextsDescribed(*panel(), "property panel");
    expectDescribed(bgmButton()->text(), "main window");
    expectDescribed(QStringLiteral("BGM"), "main window");
}

TEST_F(ManualTest, DescribesEveryDialog)
{
    SizeForm size(prompter, {250, 250}, 4);
    expectWidgetTextsDescribed(size, "size dialog");
    RGBForm colour(0);
    expectWidgetTextsDescribed(colour, "colour picker");
    AboutForm about;
    expectDescribed(about.windowTitle(), "about box");
    SaveForm builder(document().show(), prompter, questions, form->applicationFolder());
    expectWidgetTextsDescribed(builder, "builder");
}

TEST_F(ManualTest, ShowsEveryPictureItHasAndHasEveryPictureItShows)
{
    const QString html = QString::fromUtf8(fileBytes(manualFolder() + "/Kremoa.html"));
    QStringList shown;
    QRegularExpressionMatchIterator images =
        QRegularExpression(QStringLiteral("<img src=\"([^\"]+)\"")).globalMatch(html);
    while (images.hasNext()) {
        shown.append(images.next().captured(1));
    }
    ASSERT_FALSE(shown.isEmpty());
    for (const QString& picture : shown) {
        EXPECT_FALSE(QImage(manualFolder() + "/" + picture).isNull()) << picture.toStdString();
    }
    QDirIterator files(manualFolder() + "/images", {QStringLiteral("*.png")});
    while (files.hasNext()) {
        const QString name = QStringLiteral("images/") + QFileInfo(files.next()).fileName();
        EXPECT_TRUE(shown.contains(name)) << "unused picture " << name.toStdString();
    }
}

TEST_F(ManualTest, TheApplicationFolderHoldsTheManualTheHelpMenuOpens)
{
    const QString applicationFolder = folderFromEnvironment("KREMOA_APP_DIR");
    ASSERT_FALSE(applicationFolder.isEmpty());
    const QByteArray source = fileBytes(manualFolder() + "/Kremoa.html");
    ASSERT_FALSE(source.isEmpty());
    EXPECT_EQ(fileBytes(HelpViewer::helpPath(applicationFolder)), source);
    QDirIterator files(manualFolder() + "/images", {QStringLiteral("*.png")});
    while (files.hasNext()) {
        const QString path = files.next();
        EXPECT_EQ(fileBytes(applicationFolder + "/images/" + QFileInfo(path).fileName()),
                  fileBytes(path))
            << path.toStdString();
    }
}

}  // namespace
