#pragma once
// Stand-in for Qt's QML integration header, used only when that header is not
// installed (Debian's qt6-speech-dev does not pull it in). QtTextToSpeech's header uses
// QML_ELEMENT to register the class with QML; C++ users do not need that registration,
// and the macro adds nothing to the class's layout.
#ifndef QML_ELEMENT
#define QML_ELEMENT
#endif
