' Square root by Newton's method: x becomes (x + a/x) / 2 until it settles
var a, x, last, steps
input "Square root of? " a
if (a <= 0) then
	print "Please enter a positive number"
	exit
end
x = a
last = 0
do while ((round(x, 8) <> round(last, 8)) & (steps < 50))
	last = x
	x = (x+a/x)/2
	steps = steps+1
	print "Step " steps ": " x
loop
print "sqrt(" a ") = " x
