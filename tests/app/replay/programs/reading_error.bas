' Няма дробни числа: грешка при четене на ред 5.
Dim Half As Integer

Private Sub Form_Load()
    Half = 11 / 2
End Sub
