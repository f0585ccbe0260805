#include "colourlisteditor.h"
#include "gradient.h"
#include "messages.h"
#include "veditform.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

// Screenshots for a look at the windows: set SUITE_SCREENSHOT_DIR and run under a real
// X server (xvfb-run) to get PNGs of what the tests drive.
static void Snapshot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("SUITE_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(dir + '/' + name + ".png");
}

static void SendMouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class TestColourEditors : public QObject
{
    Q_OBJECT
    QList<ShownMessage> shown;

    template <typename T> static T *Child(QWidget *form, const char *name)
    {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("missing control %s", name);
        return child;
    }

    static void Trigger(TCColorEditForm &form, const char *action)
    {
        for (QAction *a : Child<QMenu>(&form, "CListsMenu")->actions())
            if (a->objectName() == QLatin1String(action))
                a->trigger();
    }

    static void SelectStop(TCColorEditForm &form, int index)
    {
        QWidget *strip = Child<QWidget>(&form, "ColorSet");
        SendMouse(strip, QEvent::MouseButtonPress, QPoint(index * 27 + 13, 10));
        SendMouse(strip, QEvent::MouseButtonRelease, QPoint(index * 27 + 13, 10));
    }

    // Drags a marker so that the pointer ends at `onForm` (form coordinates).
    static void DragMarker(TCColorEditForm &form, const char *marker, QPoint onForm)
    {
        QWidget *m = Child<QWidget>(&form, marker);
        SendMouse(m, QEvent::MouseButtonPress, QPoint(10, 10));
        SendMouse(m, QEvent::MouseMove, m->mapFrom(&form, onForm));
        SendMouse(m, QEvent::MouseButtonRelease, m->mapFrom(&form, onForm));
    }

    static QImage Preview(TCColorEditForm &form)
    {
        return Child<QLabel>(&form, "ColorShow")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void init()
    {
        shown.clear();
        SetMessageHandler([this](const ShownMessage &m) {
            shown.append(m);
            return QMessageBox::Ok;
        });
    }
    void cleanup() { SetMessageHandler({}); }

    void showsTheRequestersGradient()
    {
        TCColorEditForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("渐变色设置"));
        form.SetRequirer(QStringLiteral("BgSetPage"));
        form.SetGradientText(QStringLiteral("255,0,0,0|0,255,0,40|0,0,255,100|Hori"));
        form.show();
        QCOMPARE(form.Stops().size(), 3);
        QCOMPARE(form.Direction(), GradientHori);
        QVERIFY(Child<QRadioButton>(&form, "DirHori")->isChecked());
        QVERIFY(Child<QWidget>(&form, "HoriPos")->isVisible());
        QVERIFY(!Child<QWidget>(&form, "VertPos")->isVisible());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Child<QLabel>(&form, qPrintable(QStringLiteral("Id%1").arg(i)))->isVisible(), i < 3);
        QVERIFY(Child<QLabel>(&form, "Id0")->font().bold());
        QVERIFY(!Child<QLabel>(&form, "Id1")->font().bold());
        QLabel *requirer = Child<QLabel>(&form, "requirer");
        QCOMPARE(requirer->text(), QStringLiteral("BgSetPage"));
        QVERIFY(!requirer->isVisible());

        QImage expected(420, 235, QImage::Format_RGB32);
        expected.fill(Qt::white);
        PaintGradient(form.GradientText(), expected);
        QCOMPARE(Preview(form), expected);
        Snapshot(&form, "colour-list-editor-horizontal");

        // The window reads the text again on every show.
        form.hide();
        form.SetGradientText(DialogGradient);
        form.show();
        QCOMPARE(form.Stops().size(), 2);
        QCOMPARE(form.Direction(), GradientVert);
        QVERIFY(Child<QWidget>(&form, "VertPos")->isVisible());
        Snapshot(&form, "colour-list-editor-vertical");
    }

    void malformedTextIsReportedAndTheDefaultUsed()
    {
        TCColorEditForm form;
        form.SetGradientText(QStringLiteral("12,x,3,0|1,1,1,100|Vert"));
        form.show();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QCOMPARE(ComposeGradient(form.Stops(), form.Direction()), DefaultBackgroundGradient);
    }

    void addAndDeleteKeepTwoToFiveStops()
    {
        TCColorEditForm form;
        form.SetGradientText(QStringLiteral("0,0,0,0|90,90,90,100|Vert"));
        form.show();
        const QImage twoStops = Preview(form);
        Trigger(form, "AddNewColor");
        QCOMPARE(form.Stops().size(), 3);
        QCOMPARE(form.Stops().last(), (GradientStop{255, 255, 255, 100}));
        // The new stop shares 100 with the old last one: that segment paints nothing,
        // so no white appears until the old last stop is moved.
        QCOMPARE(Preview(form), twoStops);
        Trigger(form, "AddNewColor");
        Trigger(form, "AddNewColor");
        QCOMPARE(form.Stops().size(), 5);
        QVERIFY(shown.isEmpty());
        Trigger(form, "AddNewColor");
        QCOMPARE(form.Stops().size(), 5);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QCOMPARE(shown[0].caption, QStringLiteral("颜色总数超出限制"));
        QCOMPARE(shown[0].text, QStringLiteral("最多只能设置五种颜色！"));
        Snapshot(&form, "colour-list-editor-five-stops");

        shown.clear();
        for (int i = 0; i < 3; ++i)
            Trigger(form, "DelNowColor");
        QCOMPARE(form.Stops().size(), 2);
        QVERIFY(shown.isEmpty());
        Trigger(form, "DelNowColor");
        QCOMPARE(form.Stops().size(), 2);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QStringLiteral("颜色总数至少为两种"));
        QCOMPARE(shown[0].text, QStringLiteral("必须保留至少两种颜色！"));
    }

    void deletingMovesTheEndsToZeroAndHundred()
    {
        TCColorEditForm form;
        form.SetGradientText(QStringLiteral("1,1,1,10|2,2,2,50|3,3,3,90|Vert"));
        form.show();
        SelectStop(form, 1);
        QCOMPARE(form.SelectedStop(), 1);
        QVERIFY(Child<QLabel>(&form, "Id1")->font().bold());
        Trigger(form, "DelNowColor");
        QCOMPARE(form.Stops(), (QList<GradientStop>{{1, 1, 1, 0}, {3, 3, 3, 100}}));

        // Deleting the last stop of three: the selection falls back to the new last.
        form.SetGradientText(QStringLiteral("1,1,1,0|2,2,2,50|3,3,3,100|Vert"));
        form.hide();
        form.show();
        SelectStop(form, 2);
        SelectStop(form, 3);  // a hidden cell: the selection stays
        Trigger(form, "DelNowColor");
        QCOMPARE(form.Stops(), (QList<GradientStop>{{1, 1, 1, 0}, {2, 2, 2, 100}}));
        QCOMPARE(form.SelectedStop(), 1);
    }

    void markersMoveOnlyInnerStopsBetweenTheirNeighbours()
    {
        TCColorEditForm form;
        form.SetGradientText(QStringLiteral("0,0,0,0|100,100,100,50|200,200,200,100|Vert"));
        form.show();
        QWidget *vert = Child<QWidget>(&form, "VertPos");

        DragMarker(form, "VertPos", QPoint(200, 150));  // the first stop is fixed
        QCOMPARE(form.Stops()[0].position, 0);

        SelectStop(form, 1);
        QCOMPARE(vert->y(), int(std::floor(50 * 2.35)) + 28);
        DragMarker(form, "VertPos", QPoint(200, 109));  // (109 - 38) / 2.35 = 30.2
        QCOMPARE(form.Stops()[1].position, 30);
        QCOMPARE(vert->y(), int(std::floor(30 * 2.35)) + 28);
        DragMarker(form, "VertPos", QPoint(200, 38));   // the marker would meet the first stop's
        DragMarker(form, "VertPos", QPoint(200, 280));  // past the last stop
        QCOMPARE(form.Stops()[1].position, 30);

        Child<QRadioButton>(&form, "DirHori")->click();
        QCOMPARE(form.Direction(), GradientHori);
        QVERIFY(Child<QWidget>(&form, "HoriPos")->isVisible());
        QVERIFY(!vert->isVisible());
        DragMarker(form, "HoriPos", QPoint(533, 300));  // (533 - 218) / 4.2 = 75
        QCOMPARE(form.Stops()[1].position, 75);
        QCOMPARE(Child<QWidget>(&form, "HoriPos")->x(), int(std::floor(75 * 4.2)) + 208);
        DragMarker(form, "HoriPos", QPoint(640, 300));
        QCOMPARE(form.Stops()[1].position, 75);

        SelectStop(form, 2);
        DragMarker(form, "HoriPos", QPoint(400, 300));  // the last stop is fixed
        QCOMPARE(form.Stops()[2].position, 100);
    }

    void doubleClickRecolours()
    {
        TCColorEditForm form;
        form.SetGradientText(QStringLiteral("0,0,0,0|0,0,0,100|Vert"));
        form.show();
        SelectStop(form, 1);
        QTimer::singleShot(0, &form, [&form] {
            auto *dialog = form.findChild<QColorDialog *>(QStringLiteral("SetColor"));
            QCOMPARE(dialog->currentColor(), QColor(0, 0, 0));
            dialog->setCurrentColor(QColor(10, 200, 30));
            dialog->accept();
        });
        QTest::mouseDClick(Child<QWidget>(&form, "ColorSet"), Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(form.Stops()[1], (GradientStop{10, 200, 30, 100}));
        QImage expected(420, 235, QImage::Format_RGB32);
        PaintGradient(QStringLiteral("0,0,0,0|10,200,30,100|Vert"), expected);
        QCOMPARE(Preview(form), expected);
    }

    void saveComposesAndExitKeepsThePreviousText()
    {
        TCColorEditForm form;
        QSignalSpy saved(&form, &TCColorEditForm::GradientSaved);
        const QString before = QStringLiteral("0,0,0,0|255,255,255,100|Vert");
        form.SetGradientText(before);
        form.show();
        Trigger(form, "AddNewColor");
        Child<QPushButton>(&form, "Exit")->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(form.GradientText(), before);
        QCOMPARE(saved.count(), 0);

        form.show();
        QCOMPARE(form.Stops().size(), 2);  // the discarded stop is gone
        Trigger(form, "AddNewColor");
        SelectStop(form, 1);
        DragMarker(form, "VertPos", QPoint(200, 156));  // (156 - 38) / 2.35 = 50.2
        Child<QRadioButton>(&form, "DirHori")->click();
        Child<QPushButton>(&form, "SaveConfig")->click();
        const QString expected = QStringLiteral("0,0,0,0|255,255,255,50|255,255,255,100|Hori");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.GradientText(), expected);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved[0][0].toString(), expected);
    }

    void valueEditorForTheDrawKey()
    {
        TVEditForm editor;
        QCOMPARE(editor.windowTitle(), QStringLiteral("属性编辑器"));
        QStringList keys;
        for (int i = 1; i <= 12; ++i)
            keys << QStringLiteral("F%1").arg(i);
        for (int i = 1; i <= 12; ++i)
            keys << QStringLiteral("Shift+F%1").arg(i);
        editor.InsertRow(QStringLiteral("快捷键"), QStringLiteral("F2"), TVEditForm::RowKind::PickListOnly, keys);
        QString stored;
        int changes = 0;
        editor.SetChangeHandler([&](const QString &, const QString &) { ++changes; });
        editor.SetOkHandler([&] {
            stored = editor.Value(QStringLiteral("快捷键"));
            editor.accept();
        });
        editor.show();
        Snapshot(&editor, "value-editor-draw-key");

        auto *box = qobject_cast<QComboBox *>(editor.ValueEditor(QStringLiteral("快捷键")));
        QVERIFY(box);
        QVERIFY(!box->isEditable());  // only the pick list
        QCOMPARE(box->count(), 24);
        QCOMPARE(box->currentText(), QStringLiteral("F2"));
        editor.SetValue(QStringLiteral("快捷键"), QStringLiteral("F9"));
        QCOMPARE(changes, 0);  // only the user's changes are reported
        box->setCurrentIndex(13);
        emit box->activated(13);
        QCOMPARE(changes, 1);

        QPushButton *ok = Child<QPushButton>(&editor, "BOK");
        ok->click();
        QCOMPARE(stored, QStringLiteral("Shift+F2"));
        // Closing detached the handlers and cleared the rows.
        QCOMPARE(editor.RowCount(), 0);
        stored.clear();
        editor.show();
        ok->click();
        QVERIFY(stored.isEmpty());
        QVERIFY(!editor.isVisible());
    }

    void valueEditorForNumbering()
    {
        TVEditForm editor;
        const QStringList styles = {"1,2,3...", "①,②,③...", "a,b,c...", "自定义"};
        editor.InsertRow("编号类型", "1,2,3...", TVEditForm::RowKind::PickListOnly, styles);
        editor.InsertRow("编号起始值", "0", TVEditForm::RowKind::Digits);
        // The owner swaps the second row when the style turns to or from "自定义".
        editor.SetChangeHandler([&](const QString &key, const QString &value) {
            if (key != "编号类型")
                return;
            editor.RemoveRow("编号列表");
            editor.RemoveRow("编号起始值");
            if (value == "自定义")
                editor.InsertRow("编号列表", "", TVEditForm::RowKind::Text);
            else
                editor.InsertRow("编号起始值", "0", TVEditForm::RowKind::Digits);
        });
        editor.show();

        auto *start = qobject_cast<QLineEdit *>(editor.ValueEditor("编号起始值"));
        start->clear();
        QTest::keyClicks(start, "12ab3");
        QCOMPARE(editor.Value("编号起始值"), QStringLiteral("123"));

        // Six moves to the right make one step up; six more to the left one down.
        start->setText("0");
        SendMouse(start, QEvent::MouseButtonPress, QPoint(5, 5));
        for (int i = 1; i <= 6; ++i)
            SendMouse(start, QEvent::MouseMove, QPoint(5 + i, 5));
        QCOMPARE(start->text(), QStringLiteral("1"));
        for (int i = 1; i <= 12; ++i)
            SendMouse(start, QEvent::MouseMove, QPoint(5 - i, 5));
        QCOMPARE(start->text(), QStringLiteral("0"));  // never below 0
        SendMouse(start, QEvent::MouseButtonRelease, QPoint(0, 5));

        auto *style = qobject_cast<QComboBox *>(editor.ValueEditor("编号类型"));
        style->setCurrentIndex(3);
        emit style->activated(3);
        QCOMPARE(editor.Keys(), (QStringList{"编号类型", "编号列表"}));
        QCOMPARE(editor.Value("编号类型"), QStringLiteral("自定义"));
        Snapshot(&editor, "value-editor-numbering");
        style->setCurrentIndex(1);
        emit style->activated(1);
        QCOMPARE(editor.Keys(), (QStringList{"编号类型", "编号起始值"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        Child<QPushButton>(&editor, "BCancel")->click();
        QCOMPARE(editor.RowCount(), 0);
    }
};

QTEST_MAIN(TestColourEditors)
#include "test_colour_editors.moc"
