// SPDX-License-Identifier: GPL-3.0-or-later
#include "prompt.h"

#include "widgetprompt.h"

namespace {
Prompt* g_prompt = nullptr;
} // namespace

Prompt& prompt()
{
    if (!g_prompt) {
        static WidgetPrompt fallback;
        g_prompt = &fallback;
    }
    return *g_prompt;
}

Prompt* setPrompt(Prompt* p)
{
    Prompt* previous = g_prompt;
    g_prompt = p;
    return previous;
}
