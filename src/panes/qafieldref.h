#pragma once

#include <QDomElement>

// One field of a pane, named by the element that holds it, so that whoever knows where something
// sits in the document (a search hit, an undone edit) can have the pane show it to the user.
struct QAFieldRef
{
    // What `element` names for each kind:
    enum Kind {
        NodeText, // the node's line in the tree (label, or Name of the root or a carried file);
                  // the node's element (what its data() answers)
        Comment, // the COMMENT the pane shows for the element: the node's element (for a
                 // basic-settings node also its key container), a key, a macro, or the content
                 // of a choice tab (its function element or ITEM)
        Text, // the element whose VALUE is edited: a free-text element or a function element
        Prototype, // a function element: its PROTO, read-only above the body
        Tail, // a function element: its TAIL, read-only below the body
        KeyName, // a basic-settings key element: its name
        KeyValue, // a basic-settings key element: its VALUE
        MacroName, // a macro element: its label
        MacroValue, // a text macro (VALUE) or an optional macro (Value attribute)
        MacroSwitch, // a binary macro (Value) or an optional macro (Defined): the check box
        ChoiceName, // CHOICE: the label in front of the alternatives
        ChoiceEntry, // a CHOICEDATA, or CHOICE with `index` the entry's position
        TabLabel, // an ONGLET: its tab's title
    };

    QDomElement element;
    Kind kind = NodeText;
    // Spare position for a field that its element alone does not name; -1 when unused.
    int index = -1;
    // The range of the field's text to select once it is shown.
    int start = 0;
    int length = 0;
};
