' Squares of the numbers from 1 to n
var n, i
input "How many? " n
do while (i < n)
	i = i+1
	print i "² = " (i*i)
loop
print "Done"
