#pragma once

#include <QWidget>

// Placeholder until the picture-skinned main window lands.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

signals:
    void sigdrivechange();
};
