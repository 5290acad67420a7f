# Warnings are errors everywhere; Qt's implicit ASCII casts are off so every text is deliberate.
add_compile_options(-Wall -Wextra -Werror)
add_compile_definitions(
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    TALLYWICK_VERSION="${PROJECT_VERSION}")

if(TALLYWICK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
