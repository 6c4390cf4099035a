#pragma once

#include "cards/core/CardContents.h"
#include "cards/core/CardMessages.h"
#include "common/OwnTexts.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace tov {

/// The row under a form's folder field: the memory card found (label, file system and free
/// space), a choice among several cards, and the quiet offer to load the settings the
/// folder already holds. It only shows and signals; the form decides.
class CardBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardBar)

public:
    /// Speaks the language of `languageIndex`.
    CardBar(int languageIndex, QWidget* parent);

    /// Shows the cards: one as a line, several as a choice (the one at `folder` chosen).
    void showCards(const std::vector<cards::Card>& found, const std::string& folder);
    /// Shows the offer with its Load button when `loadable`; an empty text hides it.
    void showOffer(const std::string& text, bool loadable);

signals:
    /// A card was chosen from the list: its root.
    void cardChosen(const QString& mountPoint);
    /// The user asked to load the folder's file.
    void loadRequested();

private:
    QString text(OwnText text) const;

    int m_language;
    QLabel* m_cardLabel;
    QComboBox* m_cardCombo;
    QLabel* m_offerLabel;
    QPushButton* m_loadButton;
};

/// "TOVCARD (exFAT, 60.0 MiB free of 64.0 MiB)", with the card's warnings.
std::string CardDescription(const cards::Card& card, int languageIndex);

}  // namespace tov
