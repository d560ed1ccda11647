#pragma once

#include <QDialog>

class MediaTypes;
class OwnerDrawList;
class QPushButton;

// Edits which media types folders dropped on the EditList collect. Only "Cancel" (or Esc)
// discards the changes; "Ok" and the window's close box both keep them.
class ExtEdit : public QDialog
{
    Q_OBJECT

public:
    explicit ExtEdit(MediaTypes &types, QWidget *parent = nullptr);

    bool cancelled() const { return m_cancelled; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void SetExt();

    MediaTypes &m_types;
    OwnerDrawList *m_list = nullptr;
    bool m_cancelled = false;
    bool m_finished = false;
};
