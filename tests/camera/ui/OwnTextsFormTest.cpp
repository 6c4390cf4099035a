// The texts this tool adds to a form speak the interface language, not English.

#include "camera/ui/CCameraSetup9030Dlg.h"
#include "camera/ui/CameraFormTestUtil.h"
#include "common/OwnTexts.h"
#include "forms/QtText.h"

#include <QtTest>

namespace tov::test {
namespace {

cards::Card CardAt(const TempDir& dir, std::string label) {
    cards::Card card;
    card.mountPoint = dir.str();
    card.label = std::move(label);
    card.format = cards::VolumeFormat::ExFat;
    card.fileSystem = "exFAT";
    card.totalBytes = 64ULL << 20;
    card.freeBytes = 60ULL << 20;
    return card;
}

// Every text a user or a screen reader meets in the window.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        texts << widget->accessibleName() << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        }
    }
    return texts;
}

// The English words of each own text, between its placeholders.
QStringList EnglishWords() {
    QStringList words;
    for (std::size_t i = 0; i < static_cast<std::size_t>(OwnText::kCount); ++i) {
        const QString english = ToQString(OwnLabel(static_cast<OwnText>(i), kEnglish));
        for (const QString& part : english.split(QRegularExpression("%[1-9]"))) {
            if (part.trimmed().size() >= 4) {
                words << part.trimmed();
            }
        }
    }
    return words;
}

}  // namespace

class OwnTextsFormTest : public QObject {
    Q_OBJECT

private slots:
    void germanFormWithCardsAndOffersHasNoEnglishOfOurs();
};

void OwnTextsFormTest::germanFormWithCardsAndOffersHasNoEnglishOfOurs() {
    TempDir card;
    TempDir locked;
    TempDir kept;
    const AppState german = StateFor(4, kDeutsch);
    {
        // A write in German: the card then holds a file, and the settings are kept.
        FakePlatform platform;
        platform.cards = {CardAt(card, "TOVCARD")};
        platform.lastSettingsFolder = kept.path();
        CCameraSetup9030Dlg form(german, platform);
        form.show();
        Click(form, "generateButton");
        QCOMPARE(platform.ejectOfferButtons,
                 (std::vector<std::string>{"Karte auswerfen",
                                           "Dasselbe auf eine weitere Karte schreiben"}));
    }
    struct Case {
        const char* name;
        std::vector<cards::Card> cards;
        const char* cardLine;
    };
    cards::Card unreadable = CardAt(locked, "LOCKED");
    unreadable.readOnly = true;
    unreadable.format = cards::VolumeFormat::Unknown;
    unreadable.fileSystem.clear();
    const std::vector<Case> cases = {
        {"one card",
         {CardAt(card, "TOVCARD")},
         "Speicherkarte: TOVCARD (exFAT, 60.0 MiB von 64.0 MiB frei)"},
        {"two cards", {CardAt(card, "TOVCARD"), unreadable}, "Speicherkarten:"},
    };
    const QStringList english = EnglishWords();
    for (const Case& c : cases) {
        FakePlatform platform;
        platform.cards = c.cards;
        platform.lastSettingsFolder = kept.path();
        CCameraSetup9030Dlg form(german, platform);
        form.show();
        QCOMPARE(LabelText(form, "cardLabel"), QString::fromUtf8(c.cardLine));
        QVERIFY2(LabelText(form, "loadOfferLabel")
                     .startsWith("Diese Karte enthält Einstellungen für Tov 9030MG vom "),
                 qPrintable(LabelText(form, "loadOfferLabel")));
        QVERIFY2(Child<QWidget>(form, "lastSettingsRow")->isVisible(), c.name);
        for (const QString& shown : ShownTexts(form)) {
            for (const QString& word : english) {
                QVERIFY2(!shown.contains(word),
                         qPrintable(QString("%1: \"%2\" in \"%3\"").arg(c.name, word, shown)));
            }
        }
    }
    // The list of two: its first entry, and the warnings of the card the camera cannot read.
    FakePlatform platform;
    platform.cards = cases[1].cards;
    CCameraSetup9030Dlg form(german, platform);
    form.show();
    QCOMPARE(Combo(form, "cardCombo")->itemText(0), QString("Karte auswählen"));
    QVERIFY2(Combo(form, "cardCombo")
                 ->itemText(2)
                 .startsWith("LOCKED (, 60.0 MiB von 64.0 MiB frei); schreibgeschützt; "
                             "unbekanntes Dateisystem: Die Kamera liest nur FAT12/16/32 und exFAT"),
             qPrintable(Combo(form, "cardCombo")->itemText(2)));
}

}  // namespace tov::test

QTEST_MAIN(tov::test::OwnTextsFormTest)
#include "OwnTextsFormTest.moc"
