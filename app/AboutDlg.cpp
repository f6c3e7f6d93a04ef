// The About box.
#include "app/AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
const char* const kNotes[] = {
    "- Utilizzare il tasto destro del mouse per effettuare degli zoom a finestra (zoom box)-premere e "
    "trascinare fino a formare il rettangolo di visualizzazione desiderato.",
    "- Utilizzare la \"rotellina\" del mouse per usare lo zoom dinamico",
    "- Il tasto sinistro viene utilizzato per l'individuazione dei carichi (vedi le varie modalità di "
    "visualizzazione) e per spostare la visualizzazione mantenendo lo zoom ",
};
} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Informazioni su Scafometro"));
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    auto* pIcon = new QLabel;
    pIcon->setPixmap(QIcon(QStringLiteral(":/icons/scafometro.svg")).pixmap(32, 32));
    auto* pVersion = new QLabel(QStringLiteral("Scafometro Versione " SCAFOMETRO_VERSION));
    auto* pHead = new QHBoxLayout;
    pHead->addWidget(pIcon);
    pHead->addWidget(pVersion, 1);

    auto* pCaption = new QLabel(QStringLiteral("Inoformazioni pratiche d'uso"));
    pCaption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pCaption->setAlignment(Qt::AlignCenter);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pHead);
    pLayout->addWidget(pCaption);
    for (const char* pszNote : kNotes)
    {
        auto* pNote = new QLabel(QString::fromUtf8(pszNote));
        pNote->setWordWrap(true);
        pLayout->addWidget(pNote);
    }
    auto* pButtons = new QDialogButtonBox;
    QPushButton* pOk = pButtons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    pOk->setDefault(true);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    pLayout->addWidget(pButtons);
    setMinimumWidth(420);
}
