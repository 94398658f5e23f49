#include "CloseGuard.h"

#include "SequenceDocument.h"
#include "ShellCommands.h"
#include "UserPrompts.h"

CloseGuard::CloseGuard(const SequenceDocument& document, UserPrompts& prompts)
    : m_document(document)
    , m_prompts(prompts)
{
}

bool CloseGuard::mayClose()
{
    if (m_document.isClean())
        return true;
    return m_prompts.ask({QString(), ShellCommands::exitPrompt(), UserPrompts::Icon::None,
                          UserPrompts::Buttons::OkCancel})
           == UserPrompts::Answer::Ok;
}
