#ifndef CAMGUIDE_PAGEIDS_H
#define CAMGUIDE_PAGEIDS_H

// The wizard's pages by id, in the order the wizard adds them. nextPage
// holds one of these.
enum pageId : int {
    plugPageId = 0,     // plug-in guide
    selectPageId = 1,   // camera list and administrator password
    connectPageId = 2,  // connection choice and network check
    failedPageId = 3,   // Internet connection after a failed check
    joinPage1Id = 4,    // camera already registered
    joinPage2Id = 5,    // cloud account
    joinPage3Id = 6,    // done, camera added
    joinPage4Id = 7,    // done, not registered
    joinPageId = 8,     // done, local viewing only
    pageCount = 9
};

#endif
