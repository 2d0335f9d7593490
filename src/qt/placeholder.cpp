int cn3_qt_placeholder = 0;
