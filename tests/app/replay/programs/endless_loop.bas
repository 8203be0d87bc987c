' Цикъл без край: събитието спира на 10 001-вия ред.
Dim Floor As Integer

Private Sub Option1_Click(Index As Integer)
    Do While Floor < 11
        Floor = Floor * 2
    Loop
End Sub
