#include "forms/CardBar.h"

#include "forms/QtText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tov {

std::string CardDescription(const cards::Card& card) {
    std::string text = card.label + " (" + card.fileSystem + ", " +
                       cards::SizeText(card.freeBytes) + " free of " +
                       cards::SizeText(card.totalBytes) + ")";
    for (const std::string& warning : cards::CardWarnings(card)) {
        text += "; " + warning;
    }
    return text;
}

CardBar::CardBar(QWidget* parent)
    : QWidget(parent), m_cardLabel(new QLabel(this)), m_cardCombo(new QComboBox(this)),
      m_offerLabel(new QLabel(this)), m_loadButton(new QPushButton(tr("Load them"), this)) {
    setObjectName("cardBar");
    m_cardLabel->setObjectName("cardLabel");
    m_cardCombo->setObjectName("cardCombo");
    m_offerLabel->setObjectName("loadOfferLabel");
    m_loadButton->setObjectName("loadButton");
    m_offerLabel->setWordWrap(true);
    m_cardCombo->setAccessibleName(tr("Memory card"));

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
        m_cardLabel->setText(tr("Memory card: %1").arg(ToQString(CardDescription(found.front()))));
    } else if (found.size() > 1) {
        m_cardLabel->setText(tr("Memory cards:"));
        m_cardCombo->addItem(tr("Choose a card"), QString());
        for (const cards::Card& card : found) {
            m_cardCombo->addItem(ToQString(CardDescription(card) + " - " + card.mountPoint),
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

}  // namespace tov
