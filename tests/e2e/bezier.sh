#!/bin/bash
# "BB-Form", "NLI" with its shells and shorter panel, and "Polynomial" without the polygon.
source "$(dirname "$0")/lib.sh"

POLYNOMIAL_TAB="262 17"
NLI_TAB="342 17"
BB_TAB="417 17"
MIDPOINT_TAB="492 17"

start_desktop
open_program

# Client coordinates; the cubic Bézier curve passes (292, 152) at t = 1/2.
press_release $BB_TAB
for point in "65 425" "165 65" "415 65" "535 405"; do press_release $point; done
expect_screen "BB-Form: no green curve through the Bézier curve's middle" \
    'colour_near "$GREEN" 292 152' 'pixels_are "$BLACK" "290 65"' 'pixels_are "$WHITE" "20 535"'
pass "BB-Form draws the Bézier curve over the black polygon"

press_release $NLI_TAB
# Level 1 of the shells at s = 1/2 runs through (158, 200) (Wine's GDI: 2 pixels lower);
# the large blue dot is the curve's middle.
expect_screen "NLI: no shells, no large dot, or the panel kept its height" \
    'pixels_are "$BLUE" "292 152" "292 155"' 'colour_near "$SHELL_GREY" 158 200 3' \
    'pixels_are "$GREY" "20 535"' 'colour_near "$GREEN" 164 222'
pass "NLI shows the curve, its shells and the large dot above two rows of controls"

press_release 22 572  # "Draw Shells"
expect_screen "unticking \"Draw Shells\" left the shells" \
    '! colour_near "$SHELL_GREY" 158 200 3' 'colour_near "$GREEN" 292 152'
pass "unticking \"Draw Shells\" removes the shells at once"

press_release $POLYNOMIAL_TAB
expect_screen "Polynomial: the polygon is drawn or the panel stayed short" \
    '! pixels_are "$BLACK" "290 65"' 'pixels_are "$WHITE" "20 535"'
pass "Polynomial hides the polygon"

press_release $MIDPOINT_TAB
expect_screen "the polygon did not come back" 'pixels_are "$BLACK" "290 65"'
pass "the polygon returns on the next tab"
