# The catch map of scripts/chart --catches, run as gnuplot -c
# chart-catches.gp CATCHES OUTLINE OUT TOTALS HEADING: CATCHES four blocks
# (red, green, orange, turquoise) of "X Y GAMES" at cell centres, OUTLINE the
# wall lines (build/mazeoutline: the walls, then the door), OUT the PNG,
# TOTALS the four ghosts' lost games, HEADING the title. Only ever data.
catches = ARG1
outline = ARG2
out = ARG3
totals = ARG4
heading = ARG5
names = "red green orange turquoise"
colours = "#ff2020 #20d020 #ffa020 #20e0e0"
set terminal pngcairo size 1400,480 font ",10" background rgb "black"
set output out
set multiplot layout 1,4 title heading noenhanced textcolor rgb "white"
# The maze in the game's pixels, y up, as its window shows it.
set size ratio -1
set xrange [0:380]
set yrange [0:440]
unset xtics
unset ytics
unset border
set key off
set style fill solid 1.0 noborder
do for [g = 1:4] {
  set title sprintf("caught by %s: %s games", word(names, g), word(totals, g)) textcolor rgb "white"
  set palette defined (0 "#202020", 1 word(colours, g))
  set cbrange [0:*]
  unset colorbox
  plot catches index (g - 1) using 1:2:(10):(10):3 with boxxyerror fillcolor palette, \
       outline index 0 with lines lc rgb "#0000ff" lw 2, \
       outline index 1 with lines lc rgb "#ffc0c0" lw 2
}
unset multiplot
