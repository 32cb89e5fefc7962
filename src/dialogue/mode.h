#pragma once

namespace teskaro {

// Which interpreter reads the user's lines: Learning stores statements,
// Consultation answers questions.
enum class Mode {
    Learning,
    Consultation
};

} // namespace teskaro
