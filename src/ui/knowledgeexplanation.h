#pragma once

class QWidget;

namespace teskaro {

// The left half both file dialogs share: a picture, the title and the
// explanation of what a knowledge file is, in a frame.
QWidget *createKnowledgeExplanation(QWidget *parent);

} // namespace teskaro
