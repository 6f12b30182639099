// The description window: its six pages, its menu and its picture buttons, against a frame
// that records what is asked of it.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "FrameServices.h"
#include "ShellTestSupport.h"
#include "untProbDesc.h"

namespace {

class RecordingFrame : public taldor::ui::FrameServices {
public:
    void fileNew() override { calls << QStringLiteral("fileNew"); }
    void fileOpen() override { calls << QStringLiteral("fileOpen"); }
    void fileExit() override { calls << QStringLiteral("fileExit"); }
    void helpAbout() override { calls << QStringLiteral("helpAbout"); }
    void helpDescription() override { calls << QStringLiteral("helpDescription"); }
    void openPicture(const QString& windowClass, QWidget* owner) override {
        calls << QStringLiteral("openPicture ") + windowClass;
        owners << owner;
    }
    QStringList calls;
    QList<QWidget*> owners;
};

QStringList LabelTexts(const QWidget* page) {
    QStringList texts;
    for (const QLabel* label : page->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

}  // namespace

class TestDescription : public QObject {
    Q_OBJECT
private slots:
    void init() {
        taldor::test::FailOnWarnings();
        m_frame = std::make_unique<RecordingFrame>();
        m_window = std::make_unique<TfrmProbDesc>(m_frame.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_frame.reset();
        TALDOR_VERIFY_NO_LEAK();
    }

    void caption() {
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("Description of the calculation methodology"));
    }

    void pages_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "tbshMecaGene"
                           << "General mechanism"
                           << "The presence of hydraulic structures in a water current leads to a "
                              "flow contraction followed by an expansion (C/E). The consequent "
                              "generation of coherent turbulent structures, which are responsible "
                              "for the process of local scour.";
        QTest::newRow("1")
            << 1 << "tbshFenoDomi"
            << "Dominant phenomenon"
            << "In general, the C/E can be produced either in the vertical or in the "
               "horizontal plane. A methodology is proposed consisting in "
               "establishing if the dominant phenomenon is taking place in one of "
               "the two planes or in both at the same time";
        QTest::newRow("2")
            << 2 << "tbshCEVert"
            << "Vertical C/E"
            << "The C/E in the vertical plane can be originated in variations of the "
               "bottom level (sills, steps) or in hydraulic structures which "
               "penetrate the flow through the free surface (gates, wide culverts)";
        QTest::newRow("3") << 3 << "tbshCEHori"
                           << "Horizontal C/E"
                           << "The C/E in the horizontal plane can be produced by protuberances at "
                              "the river margins (abutments, spur dikes) of by obstructions within "
                              "the water course (bridge piers).";
        QTest::newRow("4")
            << 4 << "tbshCEVertHori"
            << "Vert./Hor. C/E"
            << "The C/E simultaneously in both planes may be caused by orifices "
               "(narrow culverts) of by a combination of structures at the bottom or "
               "surface with protuberances or obstructions (sills and spur dikes, "
               "steps and bridge piers).";
        QTest::newRow("5") << 5 << "tbshProblTipo"
                           << "Model Problem"
                           << "Once identified the dominant phenomenon, the calculation of the "
                              "maximum scour depth is performed by assimilating the analyzed "
                              "problem to a model problem, for which one or more formulae are "
                              "available to estimate that depth.";
    }

    void pages() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("pgDescripcion"));
        QVERIFY(pages);
        QCOMPARE(pages->count(), 6);
        QCOMPARE(pages->widget(index)->objectName(), name);
        QCOMPARE(pages->tabText(index), caption);
        // The user clicks the tab and reads the page.
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, Qt::NoModifier,
                          pages->tabBar()->tabRect(index).center());
        QCOMPARE(pages->currentIndex(), index);
        QWidget* page = pages->currentWidget();
        QVERIFY(page->isVisible());
        auto* paragraph = page->findChildren<QLabel*>().value(0);
        QVERIFY(paragraph);
        QCOMPARE(paragraph->text(), text);
        QVERIFY(paragraph->wordWrap());
        QVERIFY(paragraph->isVisible());
        // The pages' text is one size larger than the rest of the window.
        QCOMPARE(paragraph->font().pointSizeF(), m_window->font().pointSizeF() + 1);
    }

    void modelProblemLines() {
        auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("pgDescripcion"));
        QWidget* page = m_window->findChild<QWidget*>(QStringLiteral("tbshProblTipo"));
        pages->setCurrentWidget(page);
        const QStringList texts = LabelTexts(page);
        const QStringList expected = {
            "The eight model problems considered are the following :",
            "Problem of the confined vortex (PCV)",
            "Problem of the step (PSt)",
            "Problem of the plunging jet (PPJ)",
            "Problem of the wide culvert (PWC)",
            "Problem of the spur dike/abutment (PDA)",
            "Problem of the protected spur dike/abutment (PPA)",
            "Problem of the bridge pier (PBP)",
            "Problem of the narrow culvert (PNC)",
        };
        QCOMPARE(texts.mid(1), expected);
        // Every line is visible, one below the other.
        int previousTop = -1;
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            QVERIFY(label->isVisible());
            QVERIFY(label->geometry().top() > previousTop);
            previousTop = label->geometry().top();
            QVERIFY(label->geometry().bottom() < page->height());
        }
    }

    void pictureButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("PVC1") << "bbtnPictPVC1"
                              << "Problem of the confined vortex (PCV)"
                              << "TfrmPictPVC1";
        QTest::newRow("PVC2") << "bbtnPictPVC2"
                              << "Problem of the confined vortex (PCV)"
                              << "TfrmPictPVC2";
        QTest::newRow("PEn") << "bbtnPictPEn"
                             << "Problem of the step (PSt)"
                             << "TfrmPictPEn";
        QTest::newRow("PCZ") << "bbtnPictPCZ"
                             << "Problem of the plunging jet (PPJ)"
                             << "TfrmPictPCZ";
        QTest::newRow("PAC") << "BitBtn4"
                             << "Problem of the wide culvert (PWC)"
                             << "TfrmPictPAC";
        QTest::newRow("PEs1") << "bbtnPictPEs1"
                              << "Problem of the spur dike/abutment (PDA)"
                              << "TfrmPictPEs1";
        QTest::newRow("PES2") << "bbtnPictPEs2"
                              << "Problem of the spur dike/abutment (PDA)"
                              << "TfrmPictPES2";
        QTest::newRow("PEP") << "bbtnPictPEP"
                             << "Problem of the protected spur dike/abutment (PPA)"
                             << "TfrmPictPEP";
        QTest::newRow("PPi") << "BitBtn7"
                             << "Problem of the bridge pier (PBP)"
                             << "TfrmPictPPi";
        QTest::newRow("PAG") << "bbtnPictPAG"
                             << "Problem of the narrow culvert (PNC)"
                             << "TfrmPictPAG";
    }

    void pictureButtons() {
        QFETCH(QString, button);
        QFETCH(QString, line);
        QFETCH(QString, windowClass);
        auto* pages = m_window->findChild<QTabWidget*>(QStringLiteral("pgDescripcion"));
        QWidget* page = m_window->findChild<QWidget*>(QStringLiteral("tbshProblTipo"));
        pages->setCurrentWidget(page);
        auto* picture = page->findChild<QToolButton*>(button);
        QVERIFY(picture);
        QVERIFY(picture->isVisible());
        QVERIFY(picture->text().isEmpty());
        QVERIFY(!picture->icon().isNull());
        // It stands on its model problem's line, to the right of the text.
        QLabel* label = nullptr;
        for (QLabel* candidate : page->findChildren<QLabel*>())
            if (candidate->text() == line) label = candidate;
        QVERIFY(label);
        QVERIFY(picture->geometry().left() > label->geometry().left());
        QVERIFY(qAbs(picture->geometry().center().y() - label->geometry().center().y()) <= 3);

        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(m_frame->calls, QStringList{"openPicture " + windowClass});
        // The picture belongs to this window.
        QCOMPARE(m_frame->owners.value(0), m_window.get());
    }

    void menus() {
        const QList<QMenu*> menus = m_window->ownMenus();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->title(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->title(), QStringLiteral("&Window"));
        QCOMPARE(menus[2]->title(), QStringLiteral("&Help"));
        auto texts = [](const QMenu* menu) {
            QStringList out;
            for (const QAction* action : menu->actions())
                out << (action->isSeparator() ? QStringLiteral("-") : action->text());
            return out;
        };
        QCOMPARE(texts(menus[0]), (QStringList{"&New", "&Open", "&Close", "-", "&Exit"}));
        QVERIFY(menus[1]->actions().isEmpty());
        QCOMPARE(texts(menus[2]), (QStringList{"About...", QString::fromUtf8("&Descripción")}));
        QCOMPARE(menus[0]->menuAction()->statusTip(), QStringLiteral("File related commands"));
        QCOMPARE(menus[1]->menuAction()->statusTip(), QStringLiteral("Window related commands"));
        QCOMPARE(menus[2]->menuAction()->statusTip(), QStringLiteral("Help topics"));
    }

    void menuCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("New") << "mmiFileNew" << QStringList{"fileNew"};
        QTest::newRow("Open") << "mmiFileOpen" << QStringList{"fileOpen"};
        QTest::newRow("Exit") << "mmiFileExit" << QStringList{"fileExit"};
        QTest::newRow("About") << "mmiHelpAbout" << QStringList{"helpAbout"};
        QTest::newRow("Descripcion") << "mmiHelpDesc" << QStringList{"helpDescription"};
        QTest::newRow("Close") << "mmiFileClose" << QStringList{};
    }

    void menuCommands() {
        QFETCH(QString, item);
        QFETCH(QStringList, calls);
        QAction* action = nullptr;
        for (QMenu* menu : m_window->ownMenus())
            for (QAction* candidate : menu->actions())
                if (candidate->objectName() == item) action = candidate;
        QVERIFY(action);
        action->trigger();
        QCOMPARE(m_frame->calls, calls);
        // Only "&Close" closes the window itself.
        QCOMPARE(m_window->isVisible(), item != QLatin1String("mmiFileClose"));
    }

private:
    std::unique_ptr<RecordingFrame> m_frame;
    std::unique_ptr<TfrmProbDesc> m_window;
};

QTEST_MAIN(TestDescription)
#include "tst_untProbDesc.moc"
