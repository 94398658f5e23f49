#pragma once

class SequenceDocument;
class UserPrompts;

// Decides whether the main window may close now. Closing ends the program,
// so edits not saved get the Exit command's own question first.
class CloseGuard {
public:
    CloseGuard(const SequenceDocument& document, UserPrompts& prompts);

    bool mayClose();

private:
    const SequenceDocument& m_document;
    UserPrompts& m_prompts;
};
