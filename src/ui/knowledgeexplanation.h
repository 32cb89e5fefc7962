#pragma once

#include <QStringList>

class QWidget;

namespace teskaro {

// The left half both file dialogs share: two title labels, the explanation
// of what a knowledge file is, and a picture, in a frame. Names are given in
// the order title, title, explanation, frame, picture.
QWidget *createKnowledgeExplanation(QWidget *parent, const QStringList &names);

} // namespace teskaro
