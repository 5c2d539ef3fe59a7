#ifndef MARROWICK_SHOWDOWN_SHOWDOWNOPTIONS_H
#define MARROWICK_SHOWDOWN_SHOWDOWNOPTIONS_H

#include "programoptions.h"

// The option table of marrowick-showdown, with a help text around the option list.
class ShowdownOptions : public ProgramOptions
{
public:
    ShowdownOptions();

    void help() override;
};

#endif
