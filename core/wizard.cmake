target_sources(camguide_lib PRIVATE
    camguide.h camguide.cpp
    pageframe.h pageframe.cpp)
