// The about box: the program's icon, name and version.
#pragma once

#include <QDialog>

class TAboutFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutFrm(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
