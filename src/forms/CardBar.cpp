#include "forms/CardBar.h"

#include "common/OwnTexts.h"
#include "forms/QtText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tov {

std::string CardDescription(const cards::Card& card, int languageIndex) {
    std::string text = cards::Filled(OwnLabel(OwnText::kCardSpace, languageIndex),
                                     {card.label, card.fileSystem, cards::SizeText(card.freeBytes),
                                      cards::SizeText(card.totalBytes)});
    for (const std::string& warning : cards::CardWarnings(card, languageIndex)) {
        text += "; " + warning;
    }
    return text;
}

CardBar::CardBar(int languageIndex, QWidget* parent)
    : QWidget(parent), m_language(languageIndex), m_cardLabel(new QLabel(this)),
      m_cardCombo(new QComboBox(this)), m_offerLabel(new QLabel(this)),
      m_loadButton(new QPushButton(text(OwnText::kLoadThem), this)) {
    setObjectName("cardBar");
    m_cardLabel->setObjectName("cardLabel");
    m_cardCombo->setObjectName("cardCombo");
    m_offerLabel->setObjectName("loadOfferLabel");
    m_loadButton->setObjectName("loadButton");
    m_offerLabel->setWordWrap(true);
    m_cardCombo->setAccessibleName(text(OwnText::kCardListName));

    auto* cardRow = new QHBoxLayout;
    cardRow->addWidget(m_cardLabel);
    cardRow->addWidget(m_cardCombo, 1);
    auto* offerRow = new QHBoxLayout;
    offerRow->addWidget(m_offerLabel, 1);
    offerRow->addWidget(m_loadButton);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(cardRow);
    rows->addLayout(offerRow);

    connect(m_cardCombo, &QComboBox::activated, this, [this](int index) {
        const QString root = m_cardCombo->itemData(index).toString();
        if (!root.isEmpty()) {
            emit cardChosen(root);
        }
    });
    connect(m_loadButton, &QPushButton::clicked, this, &CardBar::loadRequested);
    showCards({}, {});
    showOffer({}, false);
}

void CardBar::showCards(const std::vector<cards::Card>& found, const std::string& folder) {
    const QSignalBlocker blocker(m_cardCombo);
    m_cardCombo->clear();
    m_cardLabel->setVisible(!found.empty());
    m_cardCombo->setVisible(found.size() > 1);
    if (found.size() == 1) {
        m_cardLabel->setText(
            ToQString(cards::Filled(OwnLabel(OwnText::kMemoryCard, m_language),
                                    {CardDescription(found.front(), m_language)})));
    } else if (found.size() > 1) {
        m_cardLabel->setText(text(OwnText::kMemoryCards));
        m_cardCombo->addItem(text(OwnText::kChooseCard), QString());
        for (const cards::Card& card : found) {
            m_cardCombo->addItem(
                ToQString(CardDescription(card, m_language) + " - " + card.mountPoint),
                ToQString(card.mountPoint));
            if (card.mountPoint == folder) {
                m_cardCombo->setCurrentIndex(m_cardCombo->count() - 1);
            }
        }
    }
    setVisible(!found.empty() || !m_offerLabel->text().isEmpty());
}

void CardBar::showOffer(const std::string& text, bool loadable) {
    m_offerLabel->setText(ToQString(text));
    m_offerLabel->setVisible(!text.empty());
    m_loadButton->setVisible(!text.empty() && loadable);
    setVisible(!text.empty() || m_cardLabel->isVisibleTo(this));
}

QString CardBar::text(OwnText text) const {
    return ToQString(OwnLabel(text, m_language));
}

}  // namespace tov
