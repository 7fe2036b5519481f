#include "app/StartPage.h"

#include "app/Controls.h"

StartPage::StartPage() : Form(QStringLiteral("form1"), QSize(9090, 7095), QColor(224, 224, 224))
{
    setCaption(QStringLiteral("Q U A R I M O :  Startseite"));
    Bezeichnung8 = new Label(this, QStringLiteral("Bezeichnung8"), QRect(240, 1680, 495, 255), QStringLiteral("10"));
    HBildlauf1 = new ScrollBar(this, QStringLiteral("HBildlauf1"), QRect(120, 2040, 735, 255), 10, 20);
    Bezeichnung11 = new Label(this, QStringLiteral("Bezeichnung11"), QRect(3240, 1920, 495, 255), QStringLiteral("0"));
    Liste2 = new ListBox(this, QStringLiteral("Liste2"), QRect(2760, 1680, 1335, 750));
    Liste2->hide();
}
